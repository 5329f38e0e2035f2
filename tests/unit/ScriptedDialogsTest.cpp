#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/ScriptedDialogs.h"

namespace pelk {
namespace {

TEST(ScriptedDialogs, AnswersFromTheQueueThenNoAndActsWhileOpen) {
  ScriptedDialogs dialogs;
  std::vector<std::string> seenOpen;
  dialogs.WhileOpen = [&](const std::string& text) { seenOpen.push_back(text); };
  dialogs.Answers = {mrYes};
  EXPECT_EQ(dialogs.MessageDlg("Neustart?", MsgDlgType::Confirmation, mbYes | mbNo, 0), mrYes);
  EXPECT_EQ(dialogs.MessageDlg("Nochmal?", MsgDlgType::Confirmation, mbYes | mbNo, 0), mrNo);
  dialogs.ShowMessage("Big");
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Neustart?", "Nochmal?", "Big"}));
  EXPECT_EQ(seenOpen, dialogs.Texts());
  EXPECT_FALSE(dialogs.Boxes[2].isMessageDlg);
  EXPECT_EQ(dialogs.Boxes[0].type, MsgDlgType::Confirmation);
}

}  // namespace
}  // namespace pelk
