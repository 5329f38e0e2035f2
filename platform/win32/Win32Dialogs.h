#pragma once
#include "platform/Dialogs.h"

namespace pelk {

// Message boxes of the system, owned by the active window of the calling thread.
class Win32Dialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override;
  int MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons,
                 int helpContext) override;
};

// MessageBox style bits for a dialog type and button set.
unsigned MessageBoxStyle(MsgDlgType type, unsigned buttons);

}  // namespace pelk
