#pragma once

// The collection's help text service: the text of one kind (2 German, 4 English, 5 the registry
// key of the tip) for a help id, zero-terminated Windows-1252, owned by the library and valid
// until the caller copied it; null when there is none.
extern "C" const char* __stdcall GetHelpText(int helpId, int kind);
