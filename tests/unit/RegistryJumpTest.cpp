#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "template/RegistryJump.h"

namespace pelk {
namespace {

using ::testing::Return;
using ::testing::StrictMock;

class MockHelpTexts : public HelpTexts {
 public:
  MOCK_METHOD(std::string, GetHelpText, (int helpId, int kind), (override));
};

class MockShell : public Shell {
 public:
  MOCK_METHOD(void, Execute,
              (WindowHandle parent, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory, int showCommand),
              (override));
  MOCK_METHOD(void, NotifyAssociationsChanged, (), (override));
};

// An accessor with the shape the jump expects; it refuses writes without an open key, as the
// real one does.
class RecordingRegistry {
 public:
  explicit RecordingRegistry(bool opens) : opens_(opens) {}
  bool OpenKey(const std::string& path, bool canCreate) {
    calls.push_back("open " + path + (canCreate ? " create" : ""));
    open_ = opens_;
    return open_;
  }
  void WriteString(const std::string& name, const std::string& value) {
    if (!open_)
      throw std::runtime_error("no key open");
    calls.push_back("write " + name + "=" + value);
  }
  void CloseKey() {
    calls.push_back("close");
    open_ = false;
  }
  std::vector<std::string> calls;

 private:
  bool opens_;
  bool open_ = false;
};

TEST(RegistryJump, WritesLastKeyThenStartsTheEditorOwnedByThePage) {
  RecordingRegistry registry(true);
  StrictMock<MockHelpTexts> help;
  StrictMock<MockShell> shell;
  EXPECT_CALL(help, GetHelpText(4711, 5))
      .WillOnce(Return("HKEY_CLASSES_ROOT\\AllFileSystemObjects"));
  EXPECT_CALL(shell, Execute(WindowHandle{0x1234}, "", "regedit.exe", "", "", 5))
      .WillOnce([&registry](WindowHandle, const std::string&, const std::string&,
                            const std::string&, const std::string&, int) {
        // The key is written and closed before the editor starts reading it.
        ASSERT_EQ(registry.calls.size(), 3u);
        EXPECT_EQ(registry.calls.back(), "close");
      });
  JumpToRegistryKey(registry, help, shell, 0x1234, 4711);
  EXPECT_EQ(registry.calls,
            (std::vector<std::string>{
                "open Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit create",
                "write LastKey=HKEY_CLASSES_ROOT\\AllFileSystemObjects", "close"}));
}

TEST(RegistryJump, UnknownHelpIdWritesAnEmptyLastKey) {
  RecordingRegistry registry(true);
  StrictMock<MockHelpTexts> help;
  StrictMock<MockShell> shell;
  EXPECT_CALL(help, GetHelpText(-1, 5)).WillOnce(Return(""));
  EXPECT_CALL(shell, Execute(0, "", "regedit.exe", "", "", 5));
  JumpToRegistryKey(registry, help, shell, 0, -1);
  EXPECT_EQ(registry.calls.at(1), "write LastKey=");
}

TEST(RegistryJump, AKeyThatDoesNotOpenStopsTheJumpBeforeTheEditor) {
  RecordingRegistry registry(false);
  StrictMock<MockHelpTexts> help;
  StrictMock<MockShell> shell;  // no Execute expected
  EXPECT_CALL(help, GetHelpText(7, 5)).WillOnce(Return("HKEY_CURRENT_USER"));
  EXPECT_THROW(JumpToRegistryKey(registry, help, shell, 0x10, 7), std::runtime_error);
}

}  // namespace
}  // namespace pelk
