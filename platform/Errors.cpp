#include "platform/Errors.h"

namespace lindrel::platform {

std::string_view describe(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::OutOfMemory: return "Out of memory";
    case ErrorNumber::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorNumber::TypeMismatch: return "Type mismatch";
    case ErrorNumber::FileNotFound: return "File not found";
    case ErrorNumber::InvalidPropertyValue: return "Invalid property value";
    case ErrorNumber::CantOpenClipboard: return "Can't open Clipboard";
  }
  return "Application-defined or object-defined error";
}

PlatformError::PlatformError(ErrorNumber number)
    : std::runtime_error(std::string(describe(number))), number_(number) {}

PlatformError::PlatformError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

void raise(ErrorNumber number) { throw PlatformError(number); }

}  // namespace lindrel::platform
