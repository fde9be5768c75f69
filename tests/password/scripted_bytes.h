// A byte source for tests: hands out a fixed script of bytes, then fails. A block that the script
// only partly covers is padded with zeros.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "password/random_source.h"

namespace password::testing {

inline ByteFill ScriptedBytes(std::vector<std::uint8_t> script) {
  struct State {
    std::vector<std::uint8_t> bytes;
    std::size_t at = 0;
  };
  auto state = std::make_shared<State>(State{std::move(script)});
  return [state](std::span<std::uint8_t> out) {
    if (state->at == state->bytes.size())
      return false;
    std::size_t take = std::min(out.size(), state->bytes.size() - state->at);
    std::copy_n(state->bytes.begin() + std::ptrdiff_t(state->at), take, out.begin());
    std::fill(out.begin() + std::ptrdiff_t(take), out.end(), std::uint8_t(0));
    state->at += take;
    return true;
  };
}

}  // namespace password::testing
