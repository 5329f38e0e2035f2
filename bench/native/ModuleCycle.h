#pragma once

namespace pelk {
class Module;
}

namespace pelk::bench {

// What one cycle reported, for the caller to check that the cycle really ran.
struct CycleResult {
  bool hadPage = false;
  int saved = 0;    // ModulSaveChanges
  int changed = 0;  // ModulChanged after saving
  int freed = 0;    // ModulFree
};

// One open of the page as the host drives it: ModulCreate (create, show, Sprache), then
// ModulSaveChanges (the OK command), then ModulFree. Kept in a file of its own so that it is a
// real call: the instruction count collects this function and what it calls, nothing else.
CycleResult RunModuleCycle(Module& module);

}  // namespace pelk::bench
