#pragma once
#include "platform/win32/WindowsApi.h"

namespace pelk {

// The window classes of the library's own windows, registered on the code module once per load
// of the library: the System made at load holds them, and its end when the library is freed
// removes them, after the page's windows have gone. At process exit the System is left as it is
// (no window work then) and the classes end with the process.
class Win32WindowClasses {
 public:
  static constexpr wchar_t kForm[] = L"PelkForm";
  static constexpr wchar_t kPanel[] = L"PelkPanel";
  static constexpr wchar_t kSpeedButton[] = L"PelkSpeedButton";
  static constexpr wchar_t kHint[] = L"PelkHint";

  Win32WindowClasses();
  ~Win32WindowClasses();
  Win32WindowClasses(const Win32WindowClasses&) = delete;
  Win32WindowClasses& operator=(const Win32WindowClasses&) = delete;

 private:
  void Register(const wchar_t* name, WNDPROC procedure, UINT style);

  // What this object registered itself: a class already there (a second System in one program)
  // is left to whoever registered it.
  const wchar_t* registered_[4] = {};
  int count_ = 0;
};

}  // namespace pelk
