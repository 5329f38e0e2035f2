#pragma once
#include <memory>

#include "module/ModulePage.h"
#include "tip/TFormPelk412.h"

namespace pelk {

// The module's one page, TFormPelk412, as ModulCreate builds it: created with no owner, given the
// host's caption, bounds, OS type (Tag), hint and help id, shown, and switched to the host's
// language. The host's close command deletes it through the module's destroy request.
class Pelk412Page final : public ModulePage {
 public:
  Pelk412Page(SystemServices& services, ModuleState& state, const PageParameters& parameters,
              PageDestroyRequest destroyRequest);

  ~Pelk412Page() override;
  // The page's OK command, with no sender.
  void SaveChanges() override;
  void Destroy() override;

  TFormPelk412& Form() { return *form_; }

 private:
  std::unique_ptr<TFormPelk412> form_;
};

// The factory the library's Module uses.
PageFactory Pelk412PageFactory();

}  // namespace pelk
