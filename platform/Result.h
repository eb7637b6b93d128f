#pragma once
// A value or the reason there is none: what parsing and other fallible calls return, so the
// caller decides what the user is told.

#include <utility>
#include <variant>

namespace lindrel::platform {

template <class T, class E>
class Result {
 public:
  Result(T value) : held_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: a value is a result
  Result(E error) : held_(std::in_place_index<1>, std::move(error)) {}  // NOLINT: so is its failure
  bool ok() const { return held_.index() == 0; }
  explicit operator bool() const { return ok(); }
  const T& value() const { return std::get<0>(held_); }
  const T& operator*() const { return value(); }
  const T* operator->() const { return &value(); }
  const E& error() const { return std::get<1>(held_); }

 private:
  std::variant<T, E> held_;
};

}  // namespace lindrel::platform
