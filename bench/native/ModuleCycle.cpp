#include "bench/native/ModuleCycle.h"

#include "bench/CreateArguments.h"
#include "module/exports/Module.h"

namespace pelk::bench {

CycleResult RunModuleCycle(Module& module) {
  constexpr CreateArguments a{};
  CycleResult result;
  module.ModulCreate(a.Left, a.Top, a.Width, a.Height, a.OsType, a.Language, a.Caption, a.Hint,
                     a.ValidOsMask, a.HelpId);
  result.hadPage = module.HasPage();
  result.saved = module.ModulSaveChanges();
  result.changed = module.ModulChanged();
  result.freed = module.ModulFree();
  return result;
}

}  // namespace pelk::bench
