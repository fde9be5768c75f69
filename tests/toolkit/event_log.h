// Handlers for tests: each Logged<N> records that handler N ran and what the current event was.
#pragma once

#include <vector>

#include "toolkit/events.h"

namespace tk::test {

struct Call {
  int handler;
  Event code;
  EventType type;
  int object;  // control or timer number
  bool operator==(const Call&) const = default;
};

inline std::vector<Call>& Calls() {
  static std::vector<Call> calls;
  return calls;
}

template <int N>
int Logged() {
  int object = EventCode() == Event::Timer ? EventTimer().value : EventControl().value;
  Calls().push_back({N, EventCode(), EventKind(), object});
  return 0;
}

// The handler numbers of the calls so far, in order.
inline std::vector<int> HandlerOrder() {
  std::vector<int> order;
  for (const Call& call : Calls())
    order.push_back(call.handler);
  return order;
}

}  // namespace tk::test
