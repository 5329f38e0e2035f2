#pragma once
#include <stdexcept>
#include <string>
#include <utility>

namespace pelk {

// A registry operation that the system refused or that had no key to work on. KeyPath() names
// the key involved ("" when none was open).
class ERegistryException : public std::runtime_error {
 public:
  explicit ERegistryException(const std::string& message, std::string keyPath = std::string())
      : std::runtime_error(message), keyPath_(std::move(keyPath)) {}
  const std::string& KeyPath() const { return keyPath_; }

 private:
  std::string keyPath_;
};

}  // namespace pelk
