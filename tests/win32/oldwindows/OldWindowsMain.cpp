// The test host for the older Windows: `oldwindows_tests --system=win95` (win98, winme, nt40).
// Wine answers GetVersion as the version its registry names for the program, read when the
// program starts; so the host first sets that for itself and runs again as that system.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/win32/ChildProcess.h"
#include "tests/win32/oldwindows/OldWindowsTest.h"

namespace {

constexpr char kAppDefaults[] = "Software\\Wine\\AppDefaults\\oldwindows_tests.exe";
constexpr char kRelaunched[] = "--relaunched";

bool SetWineVersion(const char* version) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const LONG status =
      RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                     static_cast<DWORD>(std::strlen(version) + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  const pelk::OldWindows* system = nullptr;
  bool relaunched = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--system=", 9) == 0)
      system = pelk::FindOldWindows(argv[i] + 9);
    relaunched = relaunched || std::strcmp(argv[i], kRelaunched) == 0;
  }
  if (system == nullptr) {
    std::fprintf(stderr, "usage: oldwindows_tests --system=win95|win98|winme|nt40 [gtest flags]\n");
    return 2;
  }
  if (GetVersion() != system->version && !relaunched) {
    if (!SetWineVersion(system->wineVersion)) {
      std::fprintf(stderr, "cannot set Wine's version for this program\n");
      return 1;
    }
    const pelk::ChildResult child = pelk::RunChild(
        std::string(GetCommandLineA()) + " " + kRelaunched, pelk::ExecutableFolder(), 120000);
    std::fwrite(child.output.data(), 1, child.output.size(), stdout);
    if (!child.finished)
      std::fprintf(stderr, "the run as %s did not finish\n", system->name);
    return child.finished ? static_cast<int>(child.exitCode) : 1;
  }
  pelk::SetTestedSystem(*system);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
