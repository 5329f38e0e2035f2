#pragma once
#include <exception>
#include <functional>

#include "platform/Dialogs.h"

namespace pelk {

// Runs f; an exception it raises is shown in a message box and goes no further. Used where
// the library calls page code on behalf of the system: window messages and real input.
inline void GuardedCall(Dialogs& dialogs, const std::function<void()>& f) noexcept {
  const char* failure = nullptr;
  std::string text;
  try {
    f();
    return;
  } catch (const std::exception& error) {
    try {
      text = error.what();
    } catch (...) {
      failure = "Out of memory";
    }
  } catch (...) {
    failure = "Unknown error";
  }
  dialogs.ReportError(failure != nullptr ? std::string(failure) : text);
}

}  // namespace pelk
