// The DLL imports the help library: without it the load fails with the system's error, and once it
// is there the DLL loads.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/ChildProcess.h"

namespace pelk {
namespace {

TEST(LoadWithoutHelpLibrary, FailsAndLoadsOnceTheLibraryIsThere) {
  // A process of its own: this one has MvxHelp.dll loaded already, which would satisfy the import.
  const std::string bin = ExecutableFolder();
  const std::string folder = MakeTempFolder("pelk_alone");
  ASSERT_TRUE(
      CopyFileA((bin + "\\Pelk412.dll").c_str(), (folder + "\\Pelk412.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((bin + "\\host.exe").c_str(), (folder + "\\host.exe").c_str(), FALSE));
  const std::string command = "\"" + folder + "\\host.exe\" --run-ms 1 Pelk412.dll";
  ChildResult alone = RunChild(command, folder, 20000);
  EXPECT_TRUE(alone.finished);
  EXPECT_EQ(alone.exitCode, 2u) << alone.output;
  EXPECT_NE(alone.output.find("LoadLibrary Pelk412.dll failed: error 126"), std::string::npos)
      << alone.output;

  ASSERT_TRUE(
      CopyFileA((bin + "\\MvxHelp.dll").c_str(), (folder + "\\MvxHelp.dll").c_str(), FALSE));
  ChildResult withHelp = RunChild(command, folder, 20000);
  EXPECT_EQ(withHelp.exitCode, 0u) << withHelp.output;
  EXPECT_NE(withHelp.output.find("loaded Pelk412.dll"), std::string::npos) << withHelp.output;
  RemoveFolder(folder);
}

}  // namespace
}  // namespace pelk
