// The library's exports for creating, saving and freeing the page. Nothing escapes to the host
// but the result codes.
#include <memory>

// The system's own types of a library's entry point; the rest of the system is the platform's.
#include <windef.h>

#include "module/exports/Module.h"
#include "module/exports/TipExports.h"
#include "module/exports/TipLibrary.h"
#include "platform/System.h"

namespace pelk {

namespace {
struct ModuleInstance {
  std::unique_ptr<System> system = MakeSystem();
  SystemServices services = system->Services();
  Module module{services, ThisLibrarysPage()};
};

// The module of this load of the library, made when it is loaded (which registers the host
// message before any export can be called) and ended when it is unloaded.
std::unique_ptr<ModuleInstance> instance;
}  // namespace

Module& TheModule() {
  if (!instance)
    instance = std::make_unique<ModuleInstance>();
  return instance->module;
}

}  // namespace pelk

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      try {
        static_cast<void>(pelk::TheModule());
      } catch (...) {
        // The first export call tries again and answers with a result code.
      }
      break;
    case DLL_PROCESS_DETACH:
      if (reserved != nullptr) {
        // The process is ending: its windows end with it. Window work now, under the loader lock
        // and with other threads already gone, could only hang the exit.
        static_cast<void>(pelk::instance.release());
      } else {
        // FreeLibrary with a page still open: the page and its windows go now, while their code
        // is still there to answer their last messages.
        pelk::instance.reset();
      }
      break;
    default:
      break;
  }
  return TRUE;
}

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
