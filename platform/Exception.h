#pragma once
#include <exception>
#include <string>
#include <utility>

namespace pelk {

// Base of the library's own failures: a message, nothing more. It derives from std::exception
// itself, not from std::runtime_error or std::logic_error: those keep their text in a
// reference-counted string of their own, and using them would put a second string implementation
// into the DLL. Catch sites that want any failure catch std::exception.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override;
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

}  // namespace pelk
