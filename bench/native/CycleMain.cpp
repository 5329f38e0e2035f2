// pelk_cycle [N]: runs N (default 1) create/show/Sprache/OK/free cycles of the module over the
// headless system and prints what each answered. scripts/callgrind-cycle.sh counts the
// instructions spent inside the cycles.
#include <cstdio>
#include <cstdlib>

#include "bench/native/ModuleCycle.h"
#include "module/exports/Module.h"
#include "module/exports/PageBinding.h"
#include "platform/headless/HeadlessSystem.h"
#include "tip/ContextMenuSwitch.h"
#include "tip/TFormPelk412.h"

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 1;
  if (cycles < 1 || cycles > 1000) {
    std::fprintf(stderr, "usage: pelk_cycle [cycles 1..1000]\n");
    return 2;
  }
  pelk::HeadlessSystem system;
  system.help.Texts[{412, 2}] = std::string("Blendet die Einträge ein oder aus.");
  system.help.Texts[{412, 4}] = std::string("Shows or hides the entries.");
  // Both entries shown, as on a fresh system: the page reads a ticked box.
  for (const auto* handler : {&pelk::kCopyToHandler, &pelk::kMoveToHandler}) {
    system.registry.SetValue(pelk::RootKey::ClassesRoot, handler->keyPath, "",
                             pelk::RegistryValue::String(handler->classId));
  }
  pelk::SystemServices services = system.Services();
  pelk::Module module(services, pelk::PageFactoryFor<pelk::TFormPelk412>());
  int failures = 0;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    const pelk::bench::CycleResult result = pelk::bench::RunModuleCycle(module);
    std::printf("cycle %d: page %s, ModulSaveChanges %d, ModulChanged %d, ModulFree %d\n", cycle,
                result.hadPage ? "yes" : "no", result.saved, result.changed, result.freed);
    if (result.freed != 1 || (result.hadPage && result.saved != 1))
      ++failures;
  }
  return failures == 0 ? 0 : 1;
}
