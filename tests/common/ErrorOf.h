#pragma once
// The platform error a call raises, for tests that expect one.

#include <gtest/gtest.h>

#include <functional>

#include "platform/Errors.h"

namespace lindrel::testing {

inline platform::ErrorNumber errorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const platform::PlatformError& e) {
    return e.number();
  }
  ADD_FAILURE() << "no error raised";
  return platform::ErrorNumber{};
}

}  // namespace lindrel::testing
