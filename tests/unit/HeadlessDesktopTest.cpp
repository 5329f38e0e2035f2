#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless/HeadlessDesktop.h"
#include "tests/HostProtocol.h"

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
  const std::uint32_t morvex = desktop.RegisterMessage(kHostMessageName);
  EXPECT_GE(morvex, 0xC000u);
  EXPECT_LE(morvex, 0xFFFFu);
  EXPECT_EQ(desktop.RegisterMessage(kHostMessageName), morvex);
  EXPECT_EQ(desktop.RegisterMessage("MORVEX"), morvex);
  EXPECT_NE(desktop.RegisterMessage("Other"), morvex);
  desktop.FailRegistration = true;
  EXPECT_EQ(desktop.RegisterMessage(kHostMessageName), 0u);
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
  desktop.Broadcast(0xC001, kOkCode, 2);
  EXPECT_EQ(order, (std::vector<Window*>{&first, &third}));
  EXPECT_TRUE(second.received.empty());
  EXPECT_TRUE(late.received.empty());
  ASSERT_EQ(third.received.size(), 1u);
  EXPECT_EQ(third.received[0].wParam, kOkCode);
  EXPECT_EQ(third.received[0].lParam, 2);
  ASSERT_EQ(desktop.Broadcasts.size(), 1u);

  first.onMessage = nullptr;
  desktop.Broadcast(0xC001, kShowCode, 0);
  EXPECT_EQ(late.received.size(), 1u);
  EXPECT_EQ(desktop.TopLevelCount(), 3u);
}

}  // namespace
}  // namespace pelk
