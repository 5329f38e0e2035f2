#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/HostProtocol.h"
#include "tests/win32/ChildProcess.h"

namespace pelk {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Host, CallsTheExportsOfTheRealDllAndPrintsTheAnswers) {
  const std::string bin = ExecutableFolder();
  ChildResult run = RunChild("\"" + bin +
                                 "\\host.exe\" --run-ms 100 --os-type 10 --mask 0x200 "
                                 "--language 1 --caption Titel Pelk412.dll",
                             bin, 20000);
  ASSERT_TRUE(run.finished) << run.output;
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  for (const char* line :
       {"export ModulNr          ordinal 1: found", "export ModulCreate      ordinal 5: found",
        "ModulChanged before ModulCreate: 0", "ModulNr before ModulCreate: 2",
        "ModulCreate(100, 100, 300, 460, os 10, language 1, mask 0x200, help 412): 0",
        "ModulChanged: 0", "ModulNr: 2", "ModulFree: 1"}) {
    EXPECT_TRUE(Contains(run.output, line)) << line << "\n" << run.output;
  }
}

TEST(Host, RefusesUnknownOptionsAndExplainsItself) {
  const std::string bin = ExecutableFolder();
  ChildResult bad = RunChild("\"" + bin + "\\host.exe\" --left abc", bin, 20000);
  EXPECT_EQ(bad.exitCode, 1u);
  EXPECT_TRUE(Contains(bad.output, "--left needs a number")) << bad.output;
  ChildResult help = RunChild("\"" + bin + "\\host.exe\" --help", bin, 20000);
  EXPECT_EQ(help.exitCode, 0u);
  EXPECT_TRUE(Contains(help.output, "--run-ms")) << help.output;
  ChildResult missing = RunChild("\"" + bin + "\\host.exe\" NoSuch.dll", bin, 20000);
  EXPECT_EQ(missing.exitCode, 2u);
  // A library that is no tip: every export is reported missing, and none is called.
  ChildResult noTip = RunChild("\"" + bin + "\\host.exe\" MvxHelp.dll", bin, 20000);
  EXPECT_EQ(noTip.exitCode, 3u) << noTip.output;
  EXPECT_TRUE(Contains(noTip.output, "export ModulNr          ordinal 1: missing")) << noTip.output;
  EXPECT_TRUE(Contains(noTip.output, "export ModulCreate      ordinal 5: missing")) << noTip.output;
}

struct BroadcastWhileRunning {
  static void Send(void*) {
    // Wait for the host's window, then speak to it as a page would.
    for (int i = 0; i < 200 && !FindWindowA("PelkHostWindow", nullptr); ++i)
      Sleep(50);
    const UINT morvex = RegisterWindowMessageA(kHostMessageName);
    SendMessageA(HWND_BROADCAST, morvex, kOkCode, 2);
    SendMessageA(HWND_BROADCAST, morvex, kShowCode, 0);
  }
};

TEST(Host, PrintsEveryMorvexBroadcastItsWindowReceives) {
  const std::string bin = ExecutableFolder();
  ChildResult run = RunChild("\"" + bin + "\\host.exe\" --run-ms 1500 Pelk412.dll", bin, 20000,
                             &BroadcastWhileRunning::Send);
  ASSERT_TRUE(run.finished) << run.output;
  auto line = [](unsigned code, int value) {
    return std::string("broadcast ") + kHostMessageName + ": code " + std::to_string(code) +
           " value " + std::to_string(value);
  };
  EXPECT_TRUE(Contains(run.output, line(kOkCode, 2))) << run.output;
  EXPECT_TRUE(Contains(run.output, line(kShowCode, 0))) << run.output;
}

}  // namespace
}  // namespace pelk
