#pragma once
#include <string>
#include <utility>

#include "platform/Exception.h"

namespace pelk {

// A registry operation that the system refused or that had no key to work on. KeyPath() names
// the key involved ("" when none was open).
class ERegistryException : public Exception {
 public:
  explicit ERegistryException(std::string message, std::string keyPath = std::string())
      : Exception(std::move(message)), keyPath_(std::move(keyPath)) {}
  const std::string& KeyPath() const { return keyPath_; }

 private:
  std::string keyPath_;
};

}  // namespace pelk
