#pragma once
// The stand-in implements the function the module imports.
#include "platform/win32/HelpLibraryImport.h"
