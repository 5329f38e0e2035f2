#include "module/Module.h"

#include <exception>
#include <utility>

#include "platform/Dialogs.h"
#include "platform/WindowMessages.h"
#include "template/HostCommand.h"

namespace pelk {

namespace {
std::string Copied(const char* text) {
  return text ? std::string(text) : std::string();
}
}  // namespace

Module::Module(SystemServices& services, PageFactory pageFactory)
    : services_(services), pageFactory_(std::move(pageFactory)) {
  try {
    state_.TippMessage =
        TippMessageFromRegistered(services_.messages.RegisterMessage(kTippMessageName));
  } catch (...) {
    // An id the system cannot hand out: the page then neither obeys nor sends the message.
    state_.TippMessage = 0;
  }
}

Module::~Module() {
  ModulFree();
}

int Module::ModulCreate(int left, int top, int width, int height, int osType, int language,
                        const char* caption, const char* hint, int validOsMask,
                        int helpId) noexcept {
  try {
    // One page at a time: a repeated call does not leave the first page behind.
    ModulFree();
    state_.Language = language;
    state_.OsType = osType;
    state_.ValidOsMask = validOsMask;
    PageParameters parameters;
    parameters.Left = left;
    parameters.Top = top;
    parameters.Width = width;
    parameters.Height = height;
    parameters.OsType = osType;
    parameters.Language = language;
    parameters.Caption = Copied(caption);
    parameters.Hint = Copied(hint);
    parameters.ValidOsMask = validOsMask;
    parameters.HelpId = helpId;
    parameters_ = std::move(parameters);
    if (pageFactory_)
      page_ = pageFactory_(services_, state_, parameters_, [this] { page_.reset(); });
  } catch (...) {
    // The host learns nothing of a failed creation; the page stays as far as it got.
  }
  return 0;
}

int Module::ModulFree() noexcept {
  std::unique_ptr<ModulePage> page = std::move(page_);
  if (!page)
    return 1;
  int result = 1;
  try {
    page->Destroy();
  } catch (...) {
    result = 0;
  }
  page.reset();
  return result;
}

int Module::ModulChanged() const noexcept {
  return state_.ChangeState();
}

int Module::ModulSaveChanges() noexcept {
  if (!page_)
    return 0;
  try {
    // The page may be gone when this returns: the host can close it from the broadcast.
    page_->SaveChanges();
  } catch (const std::exception& failure) {
    ReportFailure(failure.what());
    return 0;
  } catch (...) {
    ReportFailure("Unknown error");
    return 0;
  }
  return 1;
}

void Module::ReportFailure(const char* text) noexcept {
  try {
    services_.dialogs.ShowMessage(text);
  } catch (...) {
    // Nothing more can be said; the result code still tells the host.
  }
}

int Module::ModulNr() const noexcept {
  return state_.PendingAction();
}

}  // namespace pelk
