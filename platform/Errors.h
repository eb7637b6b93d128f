#pragma once
// The one error type of the platform: a number and the layer's standard description.
// Code that traps errors catches PlatformError; nothing else is caught silently.

#include <stdexcept>
#include <string>
#include <string_view>

namespace lindrel::platform {

enum class ErrorNumber : int {
  InvalidProcedureCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  SubscriptOutOfRange = 9,
  TypeMismatch = 13,
  FileNotFound = 53,
  InvalidPropertyValue = 380,
  CantOpenClipboard = 521,
};

std::string_view describe(ErrorNumber number);

class PlatformError : public std::runtime_error {
 public:
  explicit PlatformError(ErrorNumber number);
  PlatformError(ErrorNumber number, const std::string& description);
  ErrorNumber number() const { return number_; }
  std::string description() const { return what(); }

 private:
  ErrorNumber number_;
};

[[noreturn]] void raise(ErrorNumber number);

}  // namespace lindrel::platform
