// The library's exports for creating, saving and freeing the page. Nothing escapes to the host
// but the result codes.
#include "module/Module.h"
#include "module/Pelk412Page.h"
#include "module/exports/ModuleInstance.h"
#include "platform/win32/Win32System.h"

namespace pelk {

namespace {
struct ModuleInstance {
  Win32System system;
  SystemServices services = system.Services();
  Module module{services, Pelk412PageFactory()};
};
}  // namespace

Module& TheModule() {
  static ModuleInstance instance;
  return instance.module;
}

namespace {
// Loading the library registers the host message, before any export can be called.
struct RegisterAtLoad {
  RegisterAtLoad() noexcept {
    try {
      static_cast<void>(TheModule());
    } catch (...) {
      // The first export call tries again and answers with a result code.
    }
  }
} registerAtLoad;
}  // namespace

}  // namespace pelk

extern "C" {

int __stdcall ModulCreate(int Left, int Top, int Width, int Height, int OsType, int Language,
                          const char* Caption, const char* Hint, int ValidOsMask, int HelpId) {
  try {
    return pelk::TheModule().ModulCreate(Left, Top, Width, Height, OsType, Language, Caption, Hint,
                                         ValidOsMask, HelpId);
  } catch (...) {
    return 0;
  }
}

int __stdcall ModulFree() {
  try {
    return pelk::TheModule().ModulFree();
  } catch (...) {
    return 0;
  }
}

int __stdcall ModulSaveChanges() {
  try {
    return pelk::TheModule().ModulSaveChanges();
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
