#include "bench/native/ModuleCycle.h"

#include "module/exports/Module.h"

namespace pelk::bench {

CycleResult RunModuleCycle(Module& module) {
  CycleResult result;
  module.ModulCreate(120, 80, 298, 455, 13, 0, "Kontextmen\xFC f\xFCr Datei-Operationen", "",
                     0x1FFF, 412);
  result.hadPage = module.HasPage();
  result.saved = module.ModulSaveChanges();
  result.changed = module.ModulChanged();
  result.freed = module.ModulFree();
  return result;
}

}  // namespace pelk::bench
