#include "module/Pelk412Page.h"

#include <utility>

namespace pelk {

Pelk412Page::Pelk412Page(SystemServices& services, ModuleState& state,
                         const PageParameters& parameters, PageDestroyRequest destroyRequest)
    : form_(CreateForm<TFormPelk412>(services, state)) {
  TFormPelk412& form = *form_;
  form.SetDestroyRequest(std::move(destroyRequest));
  form.SetCaption(parameters.Caption);
  form.SetBounds(parameters.Left, parameters.Top, parameters.Width, parameters.Height);
  form.SetTag(parameters.OsType);
  form.SetHint(parameters.Hint);
  form.HelpId = parameters.HelpId;
  form.Show();
  form.Sprache(parameters.Language);
}

Pelk412Page::~Pelk412Page() {
  Destroy();
}

void Pelk412Page::SaveChanges() {
  if (!form_)
    return;
  const TForm::DispatchScope running(form_.get());
  form_->HotSpeedButtonOKClick(nullptr);
}

void Pelk412Page::Destroy() {
  TForm::Release(std::move(form_));
}

PageFactory Pelk412PageFactory() {
  return [](SystemServices& services, ModuleState& state, const PageParameters& parameters,
            PageDestroyRequest destroyRequest) -> std::unique_ptr<ModulePage> {
    return std::make_unique<Pelk412Page>(services, state, parameters, std::move(destroyRequest));
  };
}

}  // namespace pelk
