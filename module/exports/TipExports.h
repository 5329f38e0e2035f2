#pragma once
// The five exports of every tip library, as the library defines them and a host calls them:
// stdcall, undecorated names, the ordinals of TipLibrary.def.in. Only these C types cross: the
// strings are zero-terminated Windows-1252, owned by the host and copied at once (null is "").
extern "C" {
int __stdcall ModulCreate(int Left, int Top, int Width, int Height, int OsType, int Language,
                          const char* Caption, const char* Hint, int ValidOsMask, int HelpId);
int __stdcall ModulFree();
int __stdcall ModulChanged();
int __stdcall ModulSaveChanges();
int __stdcall ModulNr();
}

namespace pelk {

// How a host holds them once found.
using ModulCreateFunction = decltype(&ModulCreate);
using ModulFunction = decltype(&ModulFree);  // the four without arguments

}  // namespace pelk
