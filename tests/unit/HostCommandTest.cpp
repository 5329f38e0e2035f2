#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "template/HostCommand.h"
#include "tests/HostProtocol.h"

namespace pelk {
namespace {

constexpr std::uint16_t kId = 0xC0DE;

HostCommand Decode(std::uintptr_t wParam, std::intptr_t lParam) {
  return DecodeHostCommand(kId, kId, wParam, lParam);
}

TEST(HostCommand, EachCodeOfTheTableDecodesToItsCommand) {
  EXPECT_EQ(Decode(0, 0).kind, HostCommandKind::Close);
  EXPECT_EQ(Decode(0, 77).kind, HostCommandKind::Close);
  EXPECT_EQ(Decode(kShowCode, 0).kind, HostCommandKind::Show);
  EXPECT_EQ(Decode(kShowCode, 5).kind, HostCommandKind::Show);
  EXPECT_EQ(Decode(100, 0).kind, HostCommandKind::None);

  const HostCommand left = Decode(10, 250);
  EXPECT_EQ(left.kind, HostCommandKind::SetLeft);
  EXPECT_EQ(left.value, 250);
  const HostCommand top = Decode(11, 40);
  EXPECT_EQ(top.kind, HostCommandKind::SetTop);
  EXPECT_EQ(top.value, 40);
  const HostCommand width = Decode(12, 300);
  EXPECT_EQ(width.kind, HostCommandKind::SetWidth);
  EXPECT_EQ(width.value, 300);
  const HostCommand height = Decode(13, 0x7FFFFFFF);
  EXPECT_EQ(height.kind, HostCommandKind::SetHeight);
  EXPECT_EQ(height.value, 0x7FFFFFFF);
}

TEST(HostCommand, ZeroBecomesOneForLeftAndTopOnly) {
  EXPECT_EQ(Decode(10, 0).value, 1);
  EXPECT_EQ(Decode(11, 0).value, 1);
  EXPECT_EQ(Decode(10, 1).value, 1);
  EXPECT_EQ(Decode(12, 0).value, 0);
  EXPECT_EQ(Decode(13, 0).value, 0);
}

TEST(HostCommand, UnknownCodesAskForNothing) {
  for (std::uintptr_t code : {1u, 9u, 14u, 99u, 101u, 199u, 201u, kOkCode, 0x7FFFFFFFu}) {
    EXPECT_EQ(Decode(code, 0).kind, HostCommandKind::None) << code;
  }
}

TEST(HostCommand, NegativeParametersAreRefusedWhateverTheCode) {
  const std::uintptr_t minusOne32 = 0xFFFFFFFFu;  // -1 as a 32-bit parameter
  EXPECT_THROW(Decode(minusOne32, 0), ERangeError);
  EXPECT_THROW(Decode(minusOne32, -1), ERangeError);
  EXPECT_THROW(Decode(0x80000000u, 10), ERangeError);
  // A close with a negative argument is refused before it is decided.
  EXPECT_THROW(Decode(0, -1), ERangeError);
  EXPECT_THROW(Decode(10, -5), ERangeError);
  EXPECT_THROW(Decode(100, static_cast<std::intptr_t>(0x80000000u)), ERangeError);
  EXPECT_THROW(Decode(kOkCode, -1), ERangeError);
  // From a 64-bit host: -1 sign-extended or zero-extended, and anything in the upper half, is
  // no non-negative 32-bit number; the largest one passes.
  if (sizeof(std::uintptr_t) == 8) {
    const auto wide = [](std::uint64_t value) { return static_cast<std::uintptr_t>(value); };
    EXPECT_THROW(Decode(wide(0xFFFFFFFFFFFFFFFFull), 0), ERangeError);
    EXPECT_THROW(Decode(wide(0x100000000ull + 10), 5), ERangeError);
    EXPECT_THROW(Decode(10, static_cast<std::intptr_t>(wide(0x100000000ull + 5))), ERangeError);
    EXPECT_THROW(Decode(10, static_cast<std::intptr_t>(wide(0xFFFFFFFF00000005ull))), ERangeError);
  }
  EXPECT_EQ(Decode(10, 0x7FFFFFFF).value, 0x7FFFFFFF);
  // The range error is an ordinary failure the message dispatch reports.
  try {
    Decode(13, -1);
    FAIL() << "no range error";
  } catch (const std::exception& error) {
    EXPECT_STRNE(error.what(), "");
  }
}

TEST(HostCommand, OtherMessagesAreNotTheProtocolEvenWithProtocolParameters) {
  EXPECT_EQ(DecodeHostCommand(kId, kId + 1, 0, 0).kind, HostCommandKind::NotProtocol);
  EXPECT_EQ(DecodeHostCommand(kId, 0x0010, 0, 0).kind, HostCommandKind::NotProtocol);
  // Not the protocol message, so negative parameters are none of the page's business.
  EXPECT_EQ(DecodeHostCommand(kId, 0x0111, 0xFFFFFFFFu, -1).kind, HostCommandKind::NotProtocol);
  // The message number compares with the 16-bit id widened by zeros.
  EXPECT_EQ(DecodeHostCommand(kId, 0x10000u + kId, 0, 0).kind, HostCommandKind::NotProtocol);
}

TEST(HostCommand, WithoutARegisteredIdNoMessageIsTheProtocol) {
  EXPECT_EQ(DecodeHostCommand(0, 0, 0, 0).kind, HostCommandKind::NotProtocol);
  EXPECT_EQ(DecodeHostCommand(0, 0, 10, 5).kind, HostCommandKind::NotProtocol);
  EXPECT_NO_THROW(DecodeHostCommand(0, 0, 0xFFFFFFFFu, -1));
}

TEST(HostCommand, RegisteredIdsAboveSixteenBitsAreARangeError) {
  EXPECT_EQ(TippMessageFromRegistered(0xC123), 0xC123);
  EXPECT_EQ(TippMessageFromRegistered(0xFFFF), 0xFFFF);
  EXPECT_EQ(TippMessageFromRegistered(0), 0);
  EXPECT_THROW(TippMessageFromRegistered(0x10000), ERangeError);
  EXPECT_THROW(TippMessageFromRegistered(0xFFFFFFFFu), ERangeError);
}

TEST(HostCommand, OutgoingNotificationsCarryTheirCodes) {
  constexpr HostNotification switchWindow = SwitchWindowNotification();
  EXPECT_EQ(switchWindow.code, kShowCode);
  EXPECT_EQ(switchWindow.value, 0);
  EXPECT_EQ(OkNotification(2).code, kOkCode);
  EXPECT_EQ(OkNotification(2).value, 2);
  EXPECT_EQ(OkNotification(1).value, 1);
  EXPECT_STREQ(kTippMessageName, kHostMessageName);
}

}  // namespace
}  // namespace pelk
