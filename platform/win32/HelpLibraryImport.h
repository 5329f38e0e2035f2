#pragma once

// The collection's help text service, imported by name from its library (MvxHelp.dll), so the
// module does not load without it: the text of one kind (2 German, 4 English, 5 the registry key
// of the tip) for a help id, zero-terminated in Windows-1252 whatever the system's code page,
// owned by the library and valid until the caller copied it; null when there is none.
extern "C" const char* __stdcall GetHelpText(int helpId, int kind);
