#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collection/MvxHelp/MvxHelp.h"
#include "platform/Windows1252.h"
#include "platform/win32/Win32RegistryStore.h"
#include "platform/win32/Win32System.h"
#include "tests/HostProtocol.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/MessageBoxAnswerer.h"

namespace pelk {
namespace {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Received>* g_received = nullptr;  // the test window's log, set by one test

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= 0xC000 && g_received)
    g_received->push_back({message, wParam, lParam});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(Win32Services, ARegisteredMessageIdIsStableAndItsBroadcastReachesOurHiddenWindow) {
  Win32WindowMessages messages;
  const std::uint32_t morvex = messages.RegisterMessage(kHostMessageName);
  EXPECT_GE(morvex, 0xC000u);
  EXPECT_LE(morvex, 0xFFFFu);
  EXPECT_EQ(messages.RegisterMessage(kHostMessageName), morvex);
  EXPECT_NE(messages.RegisterMessage("PelkTestOther"), morvex);

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RecordingProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "PelkRecordingWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "PelkRecordingWindow", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  std::vector<Received> received;
  g_received = &received;
  messages.Broadcast(morvex, kOkCode, 2);
  g_received = nullptr;
  DestroyWindow(window);
  UnregisterClassA("PelkRecordingWindow", windowClass.hInstance);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].message, morvex);
  EXPECT_EQ(received[0].wParam, kOkCode);
  EXPECT_EQ(received[0].lParam, 2);
}

TEST(Win32Services, TheScreenReportsItsResolution) {
  Win32Screen screen;
  HDC dc = GetDC(nullptr);
  const int expected = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(screen.PixelsPerInch(), expected);
  EXPECT_GT(expected, 0);
}

TEST(Win32Services, MessageBoxesShowTheTextAndReportTheButton) {
  Win32Dialogs dialogs;
  {
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDYES);
    // The library's texts are UTF-8; the box, read back in this system's code page (1252), shows
    // the same letters.
    EXPECT_EQ(dialogs.MessageDlg("Neustart jetzt durchführen ?", MsgDlgType::Confirmation,
                                 mbYes | mbNo, 0),
              mrYes);
    answer.Join();
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(answer.Text(), "Neustart jetzt durchf\xFChren ?");
  }
  {
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDNO);
    EXPECT_EQ(dialogs.MessageDlg("Nein?", MsgDlgType::Confirmation, mbYes | mbNo, 0), mrNo);
  }
  {
    MessageBoxAnswerer answer(GetCurrentThreadId(), IDOK);
    dialogs.ShowMessage("Big");
    answer.Join();
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(answer.Text(), "Big");
  }
  EXPECT_EQ(MessageBoxStyle(MsgDlgType::Confirmation, mbYes | mbNo),
            static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(MessageBoxStyle(MsgDlgType::Warning, mbOK | mbCancel),
            static_cast<unsigned>(MB_OKCANCEL | MB_ICONWARNING));
}

TEST(Win32Services, TheShutdownsTokenPrivilegeStepsWorkWithoutEndingTheSession) {
  Win32Shutdown shutdown;
  const std::optional<Luid> privilege = shutdown.LookupPrivilegeValue("SeShutdownPrivilege");
  ASSERT_TRUE(privilege.has_value());
  EXPECT_EQ(privilege->lowPart, 19u);
  EXPECT_FALSE(shutdown.LookupPrivilegeValue("SeNoSuchPrivilege").has_value());
  std::unique_ptr<ProcessToken> token =
      shutdown.OpenProcessToken(kTokenAdjustPrivileges | kTokenQuery);
  ASSERT_NE(token, nullptr);
  EXPECT_TRUE(token->AdjustPrivilege(*privilege, kSePrivilegeEnabled));
  EXPECT_TRUE(token->AdjustPrivilege(*privilege, 0));
  // Without TOKEN_ADJUST_PRIVILEGES the system refuses the adjustment.
  std::unique_ptr<ProcessToken> queryOnly = shutdown.OpenProcessToken(kTokenQuery);
  ASSERT_NE(queryOnly, nullptr);
  EXPECT_FALSE(queryOnly->AdjustPrivilege(*privilege, kSePrivilegeEnabled));
}

TEST(Win32Services, TheShellStartsAProgramAndIsNotified) {
  Win32Shell shell;
  const std::string folder = MakeTempFolder("pelk_shell");
  const std::string marker = folder + "\\started.txt";
  shell.Execute(0, "", "cmd.exe", "/c echo started> \"" + marker + "\"", folder, SW_HIDE);
  bool found = false;
  for (int i = 0; i < 200 && !found; ++i) {
    found = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!found)
      Sleep(50);
  }
  EXPECT_TRUE(found);
  shell.NotifyAssociationsChanged();  // returns at once; Explorer is not running here
  Sleep(200);
  RemoveFolder(folder);

  // Where the system's own programs are started from by their full path.
  const std::string windows = shell.WindowsFolder();
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(GetFileAttributesA((windows + "\\regedit.exe").c_str()), INVALID_FILE_ATTRIBUTES)
      << windows;
}

TEST(Win32Services, TheHelpLibraryGivesTheTipsTextsByIdAndKindAndNullForTheRest) {
  const std::string german = GetHelpText(412, 2);
  const std::string english = GetHelpText(412, 4);
  EXPECT_NE(german.find("Kontextmen\xFC"), std::string::npos);
  EXPECT_NE(german.find("OK"), std::string::npos);
  EXPECT_NE(english.find("Copy To"), std::string::npos);
  EXPECT_NE(english.find("OK"), std::string::npos);
  EXPECT_NE(english.find("\r\n"), std::string::npos);
  EXPECT_STREQ(GetHelpText(412, 5),
               "HKEY_CLASSES_ROOT\\AllFileSystemObjects\\shellex\\ContextMenuHandlers");
  for (const auto& [id, kind] : {std::pair{412, 1}, {412, 3}, {412, 6}, {411, 2}, {0, 4}}) {
    EXPECT_EQ(GetHelpText(id, kind), nullptr) << id << "/" << kind;
  }
  Win32HelpTexts help;
  EXPECT_EQ(help.GetHelpText(412, 2), Windows1252ToUtf8(german));  // read in this system's 1252
  EXPECT_EQ(help.GetHelpText(1, 1), "");

  HMODULE library = GetModuleHandleA("MvxHelp.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_NE(GetProcAddress(library, "GetHelpText"), nullptr);
  EXPECT_EQ(GetProcAddress(library, "GetHelpText@8"), nullptr);
}

TEST(Win32Services, TheSystemHandsOutOneRealServiceOfEachKind) {
  Win32System system;
  SystemServices services = system.Services();
  EXPECT_EQ(&services.registry, &system.Services().registry);
  EXPECT_NE(dynamic_cast<Win32RegistryStore*>(&services.registry), nullptr);
  EXPECT_EQ(services.help.GetHelpText(412, 5),
            "HKEY_CLASSES_ROOT\\AllFileSystemObjects\\shellex\\ContextMenuHandlers");
}

}  // namespace
}  // namespace pelk
