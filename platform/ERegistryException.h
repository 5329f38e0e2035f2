#pragma once
#include <string>
#include <utility>

#include "platform/Exception.h"

namespace pelk {

// Why a registry operation failed.
enum class RegistryFailure {
  Refused,     // the system refused to open the key or to store the value
  Unreadable,  // a value that may exist could not be read
  WrongType,   // a value of another type than asked for
  NoKey,       // no key was open
};

// A registry operation that failed. KeyPath() names the key involved ("" when none was open) and
// Reason() says why; the message is the library's, for a log; what a user reads is worded by the
// page, in its language.
class ERegistryException : public Exception {
 public:
  ERegistryException(std::string message, std::string keyPath,
                     RegistryFailure reason = RegistryFailure::Refused)
      : Exception(std::move(message)), keyPath_(std::move(keyPath)), reason_(reason) {}
  explicit ERegistryException(std::string message)
      : ERegistryException(std::move(message), std::string()) {}
  const std::string& KeyPath() const { return keyPath_; }
  RegistryFailure Reason() const { return reason_; }

 private:
  std::string keyPath_;
  RegistryFailure reason_;
};

}  // namespace pelk
