#pragma once
#include <gmock/gmock.h>

#include "platform/Dialogs.h"

namespace pelk {

class MockDialogs : public Dialogs {
 public:
  MOCK_METHOD(void, ShowMessage, (const std::string& text), (override));
  MOCK_METHOD(int, MessageDlg,
              (const std::string& text, MsgDlgType type, unsigned buttons, int helpContext),
              (override));
};

}  // namespace pelk
