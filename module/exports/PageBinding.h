#pragma once
#include <memory>
#include <utility>

#include "module/exports/ModulePage.h"
#include "platform/gui/TForm.h"

namespace pelk {

// A tip's page as ModulCreate builds it, whatever the page class: created with no owner, given
// the host's caption, bounds, OS type (Tag), hint and help id, shown, and switched to the host's
// language. The host's close command lets it go through the module's destroy request.
//
// TPage derives from the page template: constructed from (services, state), with the template's
// HelpId, Sprache, HotSpeedButtonOKClick and SetDestroyRequest.
template <class TPage>
class PageBinding final : public ModulePage {
 public:
  PageBinding(SystemServices& services, ModuleState& state, const PageParameters& parameters,
              PageDestroyRequest destroyRequest)
      : form_(CreateForm<TPage>(services, state)) {
    TPage& form = *form_;
    form.SetDestroyRequest(std::move(destroyRequest));
    form.SetCaption(parameters.Caption);
    form.SetBounds(parameters.Left, parameters.Top, parameters.Width, parameters.Height);
    form.SetTag(parameters.OsType);
    form.SetHint(parameters.Hint);
    form.HelpId = parameters.HelpId;
    form.Show();
    form.Sprache(parameters.Language);
  }
  ~PageBinding() override { Destroy(); }

  // The page's OK command, with no sender.
  void SaveChanges() override {
    if (!form_)
      return;
    const TForm::DispatchScope running(form_.get());
    form_->HotSpeedButtonOKClick(nullptr);
  }

  void Destroy() override { TForm::Release(std::move(form_)); }

  TPage& Form() { return *form_; }

 private:
  std::unique_ptr<TPage> form_;
};

// The factory that makes a module show pages of class TPage: the one line by which a tip names
// its page for the shared exports.
template <class TPage>
PageFactory PageFactoryFor() {
  return [](SystemServices& services, ModuleState& state, const PageParameters& parameters,
            PageDestroyRequest destroyRequest) -> std::unique_ptr<ModulePage> {
    return std::make_unique<PageBinding<TPage>>(services, state, parameters,
                                                std::move(destroyRequest));
  };
}

}  // namespace pelk
