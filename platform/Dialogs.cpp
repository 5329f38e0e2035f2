#include "platform/Dialogs.h"

namespace pelk {

void Dialogs::ReportError(const std::string& text) noexcept {
  if (reporting_) {
    ++droppedReports_;
    return;
  }
  reporting_ = true;
  try {
    ShowMessage(text);
  } catch (...) {
    // Nothing more can be said; the caller goes on as after any report.
  }
  reporting_ = false;
}

}  // namespace pelk
