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

// A text that cannot be converted as asked. The operation that needed it stops: going on with an
// empty or guessed text could, for example, write to another registry key than the one named.
class EConvertError : public Exception {
 public:
  explicit EConvertError(std::string what = "Text conversion error") : Exception(std::move(what)) {}
};

// A value outside the range its receiver accepts, such as a negative parameter of the host's
// message. Reported like any other failure raised while a message is dispatched.
class ERangeError : public Exception {
 public:
  explicit ERangeError(std::string what = "Range check error") : Exception(std::move(what)) {}
};

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

// A call the object cannot carry out as it stands: a component without an owner asked to free
// itself, a duplicate name, a parent or menu item that would contain itself.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list of components, controls or menu items.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// The system refused a window or another object the library asked it to make.
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace pelk
