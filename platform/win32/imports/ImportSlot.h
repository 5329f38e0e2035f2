#pragma once
// The import slots of the system functions that not every Windows this DLL runs on has in a
// usable form: the W (Unicode) functions, which Windows 95, 98 and ME export only as stubs that
// fail, and functions that came after Windows 95 and NT 4. The library defines these slots itself
// (the compiler calls every system function through its `__imp_` slot), so the import table does
// not name them and no call site changes. A slot first holds a binder; its first call decides,
// once per process, what the slot holds from then on:
//   - on Windows 95, 98 and ME, the function's replacement there (a wrapper that converts the
//     texts to the ANSI code page and calls the A function), where it has one;
//   - else the system's own function, looked up by name;
//   - else, where the system lacks it, the slot's fallback.
// Only the i686 DLL links this library: 64-bit Windows has every function in its own form.
#include <cstddef>

#include "platform/win32/WindowsApi.h"

namespace pelk::imports {

// True on Windows 95, 98 and ME (GetVersion's top bit), decided at the first call.
bool RunsOnWindows9x();

// The system's own GetProcAddress: the import slot of that name is the library's own (see
// GetProcAddressSlot.cpp), which hands Windows 9x the replacements of late-bound W functions.
FARPROC SystemGetProcAddress(HMODULE module, const char* name);

// What one slot binds to on first call (see above); `windows9x` and `fallback` may be null.
void* BindSlot(const char* library, const char* name, void* windows9x, void* fallback);

template <class Function>
struct Slot;

template <class Result, class... Arguments>
struct Slot<Result(WINAPI*)(Arguments...)> {
  using Function = Result(WINAPI*)(Arguments...);

  // The sum of the argument sizes, which names the stdcall function (`Name@bytes`).
  static constexpr std::size_t kArgumentBytes = (0 + ... + ((sizeof(Arguments) + 3) & ~3u));

  template <Function& slot, const char* library, const char* name, Function windows9x,
            Function fallback>
  static Result WINAPI FirstCall(Arguments... arguments) {
    slot = reinterpret_cast<Function>(BindSlot(library, name, reinterpret_cast<void*>(windows9x),
                                               reinterpret_cast<void*>(fallback)));
    return slot(arguments...);
  }
};

}  // namespace pelk::imports

// Defines the import slot of the system function `name` (declared by the Windows headers), which
// takes `bytes` bytes of arguments and lives in `library`. `windows9x` and `fallback` are
// functions of the same type, or nullptr.
#define PELK_IMPORT_SLOT(library, name, bytes, windows9x, fallback)                                \
  namespace pelk::imports::slots {                                                                 \
  using name##Function = decltype(&::name);                                                        \
  static_assert(Slot<name##Function>::kArgumentBytes == bytes, #name " takes " #bytes " bytes");   \
  constexpr char name##Library[] = library;                                                        \
  constexpr char name##Name[] = #name;                                                             \
  }                                                                                                \
  extern "C" pelk::imports::slots::name##Function pelk_slot_##name __asm__("__imp__" #name         \
                                                                           "@" #bytes);            \
  pelk::imports::slots::name##Function pelk_slot_##name =                                          \
      &pelk::imports::Slot<pelk::imports::slots::name##Function>::FirstCall<                       \
          pelk_slot_##name, pelk::imports::slots::name##Library, pelk::imports::slots::name##Name, \
          windows9x, fallback>;
