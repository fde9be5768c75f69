// An owned reference to a COM interface: released once, when it goes.
#pragma once

#include <utility>

namespace tk::win32 {

template <class T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef& operator=(ComRef&&) = delete;
  ~ComRef() {
    if (p_)
      p_->Release();
  }

  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  // For the out-parameter of a call that hands over a new reference.
  T** Out() { return &p_; }
  void** OutVoid() { return reinterpret_cast<void**>(&p_); }

 private:
  T* p_ = nullptr;
};

}  // namespace tk::win32
