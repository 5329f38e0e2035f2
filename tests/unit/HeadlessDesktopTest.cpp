#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless/HeadlessDesktop.h"
#include "platform/headless/ScriptedDialogs.h"

namespace pelk {
namespace {

struct Window : MessageTarget {
  std::intptr_t ReceiveMessage(std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
    received.push_back({message, wParam, lParam});
    if (onMessage)
      onMessage();
    return 0;
  }
  std::vector<HeadlessDesktop::Sent> received;
  std::function<void()> onMessage;
};

TEST(HeadlessDesktop, RegisteredIdsAreStablePerNameAndZeroWhenRefused) {
  HeadlessDesktop desktop;
  const std::uint32_t morvex = desktop.RegisterMessage("Morvex");
  EXPECT_GE(morvex, 0xC000u);
  EXPECT_LE(morvex, 0xFFFFu);
  EXPECT_EQ(desktop.RegisterMessage("Morvex"), morvex);
  EXPECT_EQ(desktop.RegisterMessage("MORVEX"), morvex);
  EXPECT_NE(desktop.RegisterMessage("Other"), morvex);
  desktop.FailRegistration = true;
  EXPECT_EQ(desktop.RegisterMessage("Morvex"), 0u);
}

TEST(HeadlessDesktop, BroadcastReachesEveryWindowInOrderAndSurvivesRemovals) {
  HeadlessDesktop desktop;
  Window first, second, third, late;
  std::vector<Window*> order;
  first.onMessage = [&] {
    order.push_back(&first);
    desktop.RemoveTopLevel(second);  // destroyed by the message: never reached
    desktop.AddTopLevel(late);       // created meanwhile: not reached by this broadcast
  };
  third.onMessage = [&] { order.push_back(&third); };
  desktop.AddTopLevel(first);
  desktop.AddTopLevel(second);
  desktop.AddTopLevel(third);
  desktop.Broadcast(0xC001, 9999, 2);
  EXPECT_EQ(order, (std::vector<Window*>{&first, &third}));
  EXPECT_TRUE(second.received.empty());
  EXPECT_TRUE(late.received.empty());
  ASSERT_EQ(third.received.size(), 1u);
  EXPECT_EQ(third.received[0].wParam, 9999u);
  EXPECT_EQ(third.received[0].lParam, 2);
  ASSERT_EQ(desktop.Broadcasts.size(), 1u);

  first.onMessage = nullptr;
  desktop.Broadcast(0xC001, 200, 0);
  EXPECT_EQ(late.received.size(), 1u);
  EXPECT_EQ(desktop.TopLevelCount(), 3u);
}

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
