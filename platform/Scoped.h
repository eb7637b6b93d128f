#pragma once
// A move-only owner for one handle: it is closed exactly once, by whoever holds it last.
// Traits give the handle type, its empty value and how to close it; a traits object may
// carry what closing needs (the window a DC came from).

#include <utility>

namespace lindrel::platform {

template <class Traits>
class Scoped {
 public:
  using Handle = typename Traits::Handle;

  Scoped() = default;
  explicit Scoped(Handle handle, Traits traits = Traits{}) : handle_(handle), traits_(std::move(traits)) {}
  ~Scoped() { reset(); }

  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::empty())), traits_(std::move(other.traits_)) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::empty());
      traits_ = std::move(other.traits_);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::empty(); }
  explicit operator bool() const { return valid(); }

  void reset() {
    if (valid()) traits_.close(handle_);
    handle_ = Traits::empty();
  }

  // Gives the handle up without closing it (the system has taken it over).
  [[nodiscard]] Handle release() { return std::exchange(handle_, Traits::empty()); }

 private:
  Handle handle_ = Traits::empty();
  Traits traits_{};
};

}  // namespace lindrel::platform
