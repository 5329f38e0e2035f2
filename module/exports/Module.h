#pragma once
#include <memory>

#include "module/exports/ModulePage.h"
#include "module/state/ModuleState.h"
#include "platform/SystemServices.h"

namespace pelk {

// The module behind the five exports: the state they share with the page, and the page. No
// member lets an exception out: the host only ever sees result codes.
class Module {
 public:
  // Loading the library: registers the host message. Without a factory ModulCreate stores the
  // state and creates nothing visible.
  explicit Module(SystemServices& services, PageFactory pageFactory = nullptr);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  // Always 0. Stores Language, OsType and ValidOsMask (in this order), then builds the page.
  // Null strings are empty. A second call replaces the page. A page that cannot be made is
  // reported to the user in a message box in the host's language.
  int ModulCreate(int left, int top, int width, int height, int osType, int language,
                  const char* caption, const char* hint, int validOsMask, int helpId) noexcept;
  // Destroys the page: 1, or 0 when destroying it failed. Without a page: 1.
  int ModulFree() noexcept;
  // 0 no change, 1 changed, 2 changed and applied.
  int ModulChanged() const noexcept;
  // 1 when the page applied its setting; 0 without a page or when applying failed, which the
  // user is told in a message box.
  int ModulSaveChanges() noexcept;
  // 1 restore defaults, 2 apply.
  int ModulNr() const noexcept;

  ModuleState& State() { return state_; }
  const ModuleState& State() const { return state_; }
  // What the last ModulCreate received.
  const PageParameters& Parameters() const { return parameters_; }
  bool HasPage() const { return page_ != nullptr; }
  ModulePage* Page() { return page_.get(); }

 private:
  void ReportFailure(const char* text) noexcept;
  void ReportCreationFailure(int language, const char* reason) noexcept;

  SystemServices& services_;
  PageFactory pageFactory_;
  ModuleState state_;
  PageParameters parameters_;
  // Shared with the calls into it: one may let the page go while another still runs.
  std::shared_ptr<ModulePage> page_;
};

}  // namespace pelk
