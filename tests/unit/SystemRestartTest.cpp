#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Shutdown.h"
#include "template/SystemRestart.h"
#include "tests/unit/MockDialogs.h"

namespace pelk {
namespace {

using ::testing::_;
using ::testing::Return;
using ::testing::StrictMock;

const std::string kQuestion =
    "Um diese Änderung zu aktivieren, ist ein Neustart des Systems erforderlich. Soll der "
    "Neustart jetzt durchgeführt werden ?";
const std::string kFailure =
    "Das System läßt sich zur Zeit nicht neu starten. Bitte führen Sie später "
    "manuell einen Neustart durch";
constexpr Luid kShutdownLuid{19, 0};

// A token that logs what is done with it, its closing included.
class LoggingToken : public ProcessToken {
 public:
  LoggingToken(std::vector<std::string>& log, bool accept) : log_(log), accept_(accept) {}
  ~LoggingToken() override { log_.push_back("close"); }
  bool AdjustPrivilege(const Luid& privilege, std::uint32_t attributes) override {
    log_.push_back("adjust " + std::to_string(privilege.lowPart) + " " +
                   std::to_string(attributes));
    return accept_;
  }

 private:
  std::vector<std::string>& log_;
  bool accept_;
};

class MockShutdown : public Shutdown {
 public:
  MOCK_METHOD(std::unique_ptr<ProcessToken>, OpenProcessToken, (std::uint32_t access), (override));
  MOCK_METHOD(std::optional<Luid>, LookupPrivilegeValue, (const std::string& name), (override));
  MOCK_METHOD(bool, ExitWindows, (std::uint32_t flags, std::uint32_t reason), (override));
};

class SystemRestart : public ::testing::Test {
 protected:
  // Scripts a system whose token opens, whose lookup succeeds and whose adjustments pass unless
  // told otherwise; every call lands in log_ in the order it happened.
  void ScriptSystem(bool tokenOpens, bool lookupFinds, bool adjustAccepted, bool exitAccepted) {
    ON_CALL(shutdown_, OpenProcessToken(_))
        .WillByDefault([=](std::uint32_t access) -> std::unique_ptr<ProcessToken> {
          log_.push_back("open " + std::to_string(access));
          if (!tokenOpens)
            return nullptr;
          return std::make_unique<LoggingToken>(log_, adjustAccepted);
        });
    ON_CALL(shutdown_, LookupPrivilegeValue(_))
        .WillByDefault([=](const std::string& name) -> std::optional<Luid> {
          log_.push_back("lookup " + name);
          if (!lookupFinds)
            return std::nullopt;
          return kShutdownLuid;
        });
    ON_CALL(shutdown_, ExitWindows(_, _))
        .WillByDefault([=](std::uint32_t flags, std::uint32_t reason) {
          log_.push_back("exit " + std::to_string(flags) + " " + std::to_string(reason));
          return exitAccepted;
        });
    EXPECT_CALL(shutdown_, OpenProcessToken(_)).Times(testing::AnyNumber());
    EXPECT_CALL(shutdown_, LookupPrivilegeValue(_)).Times(testing::AnyNumber());
    EXPECT_CALL(shutdown_, ExitWindows(_, _)).Times(testing::AnyNumber());
  }

  void UserAnswers(int answer) {
    EXPECT_CALL(dialogs_, MessageDlg(kQuestion, MsgDlgType::Confirmation, mbYes | mbNo, 0))
        .WillOnce(Return(answer));
  }

  StrictMock<MockDialogs> dialogs_;
  StrictMock<MockShutdown> shutdown_;
  std::vector<std::string> log_;
};

const std::vector<std::string> kPrivilegedReboot = {
    "open 40", "lookup SeShutdownPrivilege", "adjust 19 2", "close", "exit 2 0",
    "open 40", "lookup SeShutdownPrivilege", "adjust 19 0", "close"};

TEST_F(SystemRestart, AnythingButYesTouchesNothing) {
  ScriptSystem(true, true, true, true);
  for (int answer : {mrNo, mrCancel, mrNone}) {
    UserAnswers(answer);
    EXPECT_FALSE(OfferRestart(dialogs_, shutdown_, 10));
  }
  EXPECT_TRUE(log_.empty());
}

TEST_F(SystemRestart, NtAndWindows2000RebootWithThePrivilegeHeldForTheRequestOnly) {
  ScriptSystem(true, true, true, true);
  for (int osType : {10, 11}) {
    SCOPED_TRACE(osType);
    log_.clear();
    UserAnswers(mrYes);
    EXPECT_TRUE(OfferRestart(dialogs_, shutdown_, osType));
    EXPECT_EQ(log_, kPrivilegedReboot);
  }
}

TEST_F(SystemRestart, OtherVersionsRebootWithoutAnyPrivilegeStep) {
  ScriptSystem(true, true, true, true);
  for (int osType : {9, 12, 13, 0, 19, -1}) {
    SCOPED_TRACE(osType);
    log_.clear();
    UserAnswers(mrYes);
    EXPECT_TRUE(OfferRestart(dialogs_, shutdown_, osType));
    EXPECT_EQ(log_, std::vector<std::string>{"exit 2 0"});
  }
}

TEST_F(SystemRestart, RefusedExitIsReportedAndThePrivilegeIsDisabledFirst) {
  ScriptSystem(true, true, true, false);
  UserAnswers(mrYes);
  EXPECT_CALL(dialogs_, ShowMessage(kFailure)).WillOnce([this](const std::string&) {
    log_.push_back("message");
  });
  EXPECT_FALSE(OfferRestart(dialogs_, shutdown_, 11));
  std::vector<std::string> expected = kPrivilegedReboot;
  expected.push_back("message");
  EXPECT_EQ(log_, expected);

  log_.clear();
  UserAnswers(mrYes);
  EXPECT_CALL(dialogs_, ShowMessage(kFailure));
  EXPECT_FALSE(OfferRestart(dialogs_, shutdown_, 13));
  EXPECT_EQ(log_, std::vector<std::string>{"exit 2 0"});
}

TEST_F(SystemRestart, WithoutThePrivilegeNoExitIsRequested) {
  // Lookup fails: the token is still closed, nothing else follows.
  ScriptSystem(true, false, true, true);
  UserAnswers(mrYes);
  EXPECT_CALL(dialogs_, ShowMessage(kFailure));
  EXPECT_FALSE(OfferRestart(dialogs_, shutdown_, 11));
  EXPECT_EQ(log_, (std::vector<std::string>{"open 40", "lookup SeShutdownPrivilege", "close"}));
}

TEST_F(SystemRestart, TokenThatDoesNotOpenOrRefusesTheAdjustmentEndsThePrivilegedExit) {
  ScriptSystem(false, true, true, true);
  EXPECT_FALSE(ExitWindowsPrivileged(shutdown_, kEwxReboot));
  EXPECT_EQ(log_, std::vector<std::string>{"open 40"});

  ScriptSystem(true, true, false, true);
  log_.clear();
  EXPECT_FALSE(ExitWindowsPrivileged(shutdown_, kEwxReboot));
  EXPECT_EQ(log_, (std::vector<std::string>{"open 40", "lookup SeShutdownPrivilege", "adjust 19 2",
                                            "close"}));
}

TEST_F(SystemRestart, SetTokenPrivilegeAnswersWhetherTheAdjustmentWasAccepted) {
  ScriptSystem(true, true, true, true);
  EXPECT_TRUE(SetTokenPrivilege(shutdown_, "SeDebugPrivilege", true));
  EXPECT_TRUE(SetTokenPrivilege(shutdown_, "SeDebugPrivilege", false));
  EXPECT_EQ(log_, (std::vector<std::string>{"open 40", "lookup SeDebugPrivilege", "adjust 19 2",
                                            "close", "open 40", "lookup SeDebugPrivilege",
                                            "adjust 19 0", "close"}));
  ScriptSystem(true, true, false, true);
  EXPECT_FALSE(SetTokenPrivilege(shutdown_, kShutdownPrivilege, true));
}

TEST_F(SystemRestart, ExitFlagsPassThroughThePrivilegedRoute) {
  ScriptSystem(true, true, true, true);
  EXPECT_TRUE(ExitWindowsPrivileged(shutdown_, 0x8 | 0x4));
  EXPECT_EQ(log_[4], "exit 12 0");
}

}  // namespace
}  // namespace pelk
