// The exports that only report the module state.
#include "module/exports/Module.h"
#include "module/exports/TipExports.h"
#include "module/exports/TipLibrary.h"

extern "C" {

int __stdcall ModulChanged() {
  try {
    return pelk::TheModule().ModulChanged();
  } catch (...) {
    return 0;
  }
}

int __stdcall ModulNr() {
  try {
    return pelk::TheModule().ModulNr();
  } catch (...) {
    return 2;
  }
}

}  // extern "C"
