// The Windows 95 loader refuses a DLL whose TLS directory has a size. mingw's start-up code asks
// for this callback pointer; defined here, it keeps the runtime's tlssup.o, and with it the
// directory, out of the link. Nothing in the library keeps static thread-local data (the
// runtime's thread storage is emulated through TlsAlloc).
#include "platform/win32/WindowsApi.h"

extern "C" const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback = nullptr;
