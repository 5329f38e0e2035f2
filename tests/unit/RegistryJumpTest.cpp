#include <gtest/gtest.h>

#include <string>

#include "platform/Exception.h"
#include "platform/headless/HeadlessSystem.h"
#include "template/RegistryJump.h"
#include "tests/RegistryKeys.h"

namespace pelk {
namespace {

using test::kRegeditKey;

// A shell that looks at the registry at the moment the editor would start.
class WatchingShell : public RecordingShell {
 public:
  explicit WatchingShell(MemoryRegistryStore& registry) : registry_(registry) {}
  void Execute(WindowHandle parent, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory,
               int showCommand) override {
    openKeysAtStart = registry_.OpenKeyCount();
    lastKeyAtStart = registry_.Value(RootKey::CurrentUser, kRegeditKey, "LastKey");
    RecordingShell::Execute(parent, verb, file, parameters, directory, showCommand);
  }
  int openKeysAtStart = -1;
  std::optional<RegistryValue> lastKeyAtStart;

 private:
  MemoryRegistryStore& registry_;
};

TEST(RegistryJump, WritesLastKeyAndClosesItBeforeTheEditorStarts) {
  HeadlessSystem system;
  WatchingShell shell(system.registry);
  system.help.Texts[{4711, 5}] = "HKEY_CLASSES_ROOT\\AllFileSystemObjects";
  system.registry.SetValue(RootKey::CurrentUser, kRegeditKey, "LastKey",
                           RegistryValue::String("HKEY_CURRENT_USER\\Old"));
  system.registry.LimitAccess(RootKey::CurrentUser, kRegeditKey, RegistryAccess::SetValue);
  JumpToRegistryKey(system.registry, system.help, shell, 0x1234, 4711);
  EXPECT_EQ(shell.openKeysAtStart, 0);
  EXPECT_EQ(shell.lastKeyAtStart, RegistryValue::String("HKEY_CLASSES_ROOT\\AllFileSystemObjects"));
  ASSERT_EQ(shell.Executions.size(), 1u);
  const RecordingShell::Execution& run = shell.Executions[0];
  EXPECT_EQ(run.parent, WindowHandle{0x1234});
  EXPECT_EQ(run.verb, "");
  EXPECT_EQ(run.file, "C:\\WINDOWS\\regedit.exe");
  EXPECT_EQ(run.parameters, "");
  EXPECT_EQ(run.directory, "");
  EXPECT_EQ(run.showCommand, 5);
}

TEST(RegistryJump, AMissingKeyIsCreatedAndAnUnknownIdWritesAnEmptyLastKey) {
  HeadlessSystem system;
  JumpToRegistryKey(system.registry, system.help, system.shell, 0, -1);
  EXPECT_EQ(system.registry.Value(RootKey::CurrentUser, kRegeditKey, "LastKey"),
            RegistryValue::String(""));
  EXPECT_EQ(system.shell.Executions.size(), 1u);
}

TEST(RegistryJump, TheEditorIsStartedFromTheWindowsFolderOnly) {
  HeadlessSystem system;
  system.shell.WindowsFolderPath = "D:\\WINNT";
  JumpToRegistryKey(system.registry, system.help, system.shell, 0, 1);
  system.shell.WindowsFolderPath = "E:\\";
  JumpToRegistryKey(system.registry, system.help, system.shell, 0, 1);
  system.shell.WindowsFolderPath = "";  // never the bare name, which the current folder may hold
  JumpToRegistryKey(system.registry, system.help, system.shell, 0, 1);
  ASSERT_EQ(system.shell.Executions.size(), 2u);
  EXPECT_EQ(system.shell.Executions[0].file, "D:\\WINNT\\regedit.exe");
  EXPECT_EQ(system.shell.Executions[1].file, "E:\\regedit.exe");
}

TEST(RegistryJump, AKeyThatCannotBeWrittenStopsTheJumpBeforeTheEditor) {
  HeadlessSystem system;
  system.registry.DenyWriteAccess(RootKey::CurrentUser, kRegeditKey);
  EXPECT_THROW(JumpToRegistryKey(system.registry, system.help, system.shell, 0x10, 7),
               ERegistryException);
  EXPECT_TRUE(system.shell.Executions.empty());
  EXPECT_EQ(system.registry.OpenKeyCount(), 0);
}

}  // namespace
}  // namespace pelk
