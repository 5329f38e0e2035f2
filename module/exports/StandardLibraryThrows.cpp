// The C++ runtime's containers, strings and std::function report misuse through the functions
// below. The runtime's own versions throw std::logic_error and std::runtime_error, whose messages
// are a reference-counted string of a second string implementation: linking them would bring
// that implementation (about 50 KB on 2026-12-08) into the library for errors that never happen in
// practice. These throw the same way with fixed texts, in classes that hold no string. Callers
// catch std::exception (the page reports its what()) or std::bad_alloc, so nothing sees the
// difference but the text. Only the DLL carries them: the test programs keep the runtime's
// versions.
#include <exception>
#include <new>

namespace {

class RuntimeFailure : public std::exception {
 public:
  explicit RuntimeFailure(const char* what) noexcept : what_(what) {}
  const char* what() const noexcept override { return what_; }

 private:
  const char* what_;  // a literal
};

}  // namespace

namespace std {

void __throw_bad_exception() {
  throw std::bad_exception();
}
void __throw_bad_alloc() {
  throw std::bad_alloc();
}
void __throw_bad_array_new_length() {
  throw std::bad_array_new_length();
}
void __throw_bad_cast() {
  throw std::bad_cast();
}
void __throw_bad_typeid() {
  throw std::bad_typeid();
}
void __throw_logic_error(const char*) {
  throw RuntimeFailure("Logic error");
}
void __throw_domain_error(const char*) {
  throw RuntimeFailure("Domain error");
}
void __throw_invalid_argument(const char*) {
  throw RuntimeFailure("Invalid argument");
}
void __throw_length_error(const char*) {
  throw RuntimeFailure("Length error");
}
void __throw_out_of_range(const char*) {
  throw RuntimeFailure("Out of range");
}
void __throw_out_of_range_fmt(const char*, ...) {
  throw RuntimeFailure("Out of range");
}
void __throw_runtime_error(const char*) {
  throw RuntimeFailure("Runtime error");
}
void __throw_range_error(const char*) {
  throw RuntimeFailure("Range error");
}
void __throw_overflow_error(const char*) {
  throw RuntimeFailure("Overflow error");
}
void __throw_underflow_error(const char*) {
  throw RuntimeFailure("Underflow error");
}
void __throw_bad_function_call() {
  throw RuntimeFailure("Empty function called");
}

}  // namespace std
