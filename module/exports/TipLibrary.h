#pragma once
#include "module/exports/ModulePage.h"

namespace pelk {

class Module;

// The library's boundary, shared by every tip of the collection: the five exports, the module
// behind them and the library's start and end (TipLibrary.cpp, ExportFunktionen.cpp). What makes
// a library one tip's is the page it shows, which the tip names in one line of its own:
//
//   PageFactory pelk::ThisLibrarysPage() { return PageFactoryFor<TFormPelk412>(); }
PageFactory ThisLibrarysPage();

// The one module of this library with the real system services, made when the library is loaded
// and kept until it is unloaded. Raises when it cannot be made.
Module& TheModule();

}  // namespace pelk
