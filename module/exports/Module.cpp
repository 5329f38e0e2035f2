#include "module/exports/Module.h"

#include <exception>
#include <utility>

#include "module/state/TippMessage.h"
#include "platform/Dialogs.h"
#include "platform/WindowMessages.h"
#include "platform/Windows1252.h"
#include "template/TemplateTexts.h"

namespace pelk {

namespace {
// The host's strings are Windows-1252 whatever the system's code page (the collection's texts
// are German), and stay the host's: copied at once. The bound only keeps a string without its
// terminating zero from being read without end.
constexpr std::size_t kMaxHostTextBytes = 1024 * 1024;

std::string Copied(const char* text) {
  return Windows1252ToUtf8(text, kMaxHostTextBytes);
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
    // A page asks to go only while it is this module's page: one let go is Released and asks
    // for nothing any more.
    if (pageFactory_)
      page_ = pageFactory_(services_, state_, parameters_, [this] { ModulFree(); });
  } catch (const std::exception& failure) {
    // The host's answer stays 0; the user learns why the page is missing.
    ReportCreationFailure(language, failure.what());
  } catch (...) {
    ReportCreationFailure(language, "");
  }
  return 0;
}

int Module::ModulFree() noexcept {
  const std::shared_ptr<ModulePage> page = std::move(page_);
  if (!page)
    return 1;
  int result = 1;
  try {
    page->Destroy();
  } catch (...) {
    result = 0;
  }
  return result;
}

int Module::ModulChanged() const noexcept {
  return state_.ChangeState();
}

int Module::ModulSaveChanges() noexcept {
  const std::shared_ptr<ModulePage> page = page_;
  if (!page)
    return 0;
  try {
    // The host may let the page go from the broadcast; this call keeps it until it returns.
    page->SaveChanges();
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
    services_.dialogs.ReportError(text);
  } catch (...) {
    // Out of memory for the text: the result code still tells the host.
  }
}

void Module::ReportCreationFailure(int language, const char* reason) noexcept {
  try {
    services_.dialogs.ReportError(PageNotCreatedText(language, reason));
  } catch (...) {
    // As above.
  }
}

int Module::ModulNr() const noexcept {
  return state_.PendingAction();
}

}  // namespace pelk
