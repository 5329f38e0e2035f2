// The runtime's start-up code calls this to patch the references to data that the library imports
// from another DLL without __declspec(dllimport) (pseudo-relocations). The 32-bit library is
// linked with --disable-auto-import, so such a reference fails the link and there is never one to
// patch. The runtime's own relocator would bring printf, VirtualProtect and code built for a
// newer processor into the library for nothing.
extern "C" void _pei386_runtime_relocator() {}
