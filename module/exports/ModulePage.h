#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace pelk {

struct ModuleState;
struct SystemServices;

// What the host hands to ModulCreate for the page, the strings already copied.
struct PageParameters {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int OsType = 0;
  int Language = 0;
  std::string Caption;
  std::string Hint;
  std::int32_t ValidOsMask = 0;
  int HelpId = 0;
};

// The page as the module drives it. The module owns it from ModulCreate to ModulFree.
class ModulePage {
 public:
  virtual ~ModulePage() = default;
  // Applies the page's setting as its OK command does; raises when the system refuses. The
  // module may be told to let the page go before this returns (the host answering the page's
  // broadcast).
  virtual void SaveChanges() = 0;
  // Takes the page off the screen for good; it is deleted with this object, or, when its code
  // is still running further up the stack, once that has returned. May raise.
  virtual void Destroy() {}
};

// Called by a page that ends itself (the host's close command): the module deletes it at once,
// and the page touches nothing of itself after the call.
using PageDestroyRequest = std::function<void()>;

// Builds, positions and shows the page for ModulCreate (after the state is stored).
using PageFactory = std::function<std::unique_ptr<ModulePage>(
    SystemServices& services, ModuleState& state, const PageParameters& parameters,
    PageDestroyRequest destroyRequest)>;

}  // namespace pelk
