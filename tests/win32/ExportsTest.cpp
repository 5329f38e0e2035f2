#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collection/host/TipLoader.h"
#include "tests/win32/ChildProcess.h"

namespace pelk {
namespace {

// The real DLL, loaded from the test's folder for one test.
class LoadedDll : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(dll, nullptr) << "error " << tip.LoadError(); }
  TipLoader tip{"Pelk412.dll"};
  HMODULE dll = tip.Module();
};

TEST_F(LoadedDll, EveryExportIsFoundByNameAndByItsOrdinal) {
  const struct {
    const char* name;
    WORD ordinal;
  } exports[] = {{"ModulNr", 1},
                 {"ModulSaveChanges", 2},
                 {"ModulChanged", 3},
                 {"ModulFree", 4},
                 {"ModulCreate", 5}};
  for (const auto& entry : exports) {
    FARPROC byName = GetProcAddress(dll, entry.name);
    FARPROC byOrdinal = GetProcAddress(dll, MAKEINTRESOURCEA(entry.ordinal));
    EXPECT_NE(byName, nullptr) << entry.name;
    EXPECT_EQ(byName, byOrdinal) << entry.name;
  }
  EXPECT_EQ(GetProcAddress(dll, "ModulCreate@40"), nullptr);
  EXPECT_EQ(GetProcAddress(dll, "_ModulNr@0"), nullptr);
  EXPECT_EQ(GetProcAddress(dll, MAKEINTRESOURCEA(6)), nullptr);
}

TEST_F(LoadedDll, ExportsAnswerBeforeAndAfterCreateAndTolerateBadInput) {
  auto create = tip.Exports().ModulCreate;
  auto free = tip.Exports().ModulFree;
  auto changed = tip.Exports().ModulChanged;
  auto save = tip.Exports().ModulSaveChanges;
  auto nr = tip.Exports().ModulNr;
  ASSERT_TRUE(create && free && changed && save && nr);
  EXPECT_EQ(changed(), 0);
  EXPECT_EQ(nr(), 2);
  EXPECT_EQ(save(), 0);  // no page to apply
  EXPECT_EQ(free(), 1);
  EXPECT_EQ(free(), 1);

  EXPECT_EQ(create(10, 10, 300, 460, 13, 0, nullptr, nullptr, 0x1000, 412), 0);
  const std::string longCaption(64 * 1024, 'K');
  EXPECT_EQ(create(10, 10, 300, 460, 13, 1, longCaption.c_str(), "", 0x1000, 412), 0);
  EXPECT_EQ(create(-5, -5, 0, 0, -1, -1, "", nullptr, -1, -1), 0);
  EXPECT_EQ(changed(), 0);
  EXPECT_EQ(nr(), 2);
  EXPECT_EQ(free(), 1);
  EXPECT_EQ(free(), 1);
  EXPECT_EQ(save(), 0);
}

std::string Utf16To1252(const wchar_t* text, UINT length) {
  if (length > 0 && text[length - 1] == L'\0')
    --length;
  std::string bytes(length * 2 + 1, '\0');
  const int written = WideCharToMultiByte(1252, 0, text, static_cast<int>(length), &bytes[0],
                                          static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(written > 0 ? written : 0);
  return bytes;
}

TEST(VersionResource, GermanStringsReadBackByteForByte) {
  const std::string path = ExecutableFolder() + "\\Pelk412.dll";
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

  struct Translation {
    WORD language;
    WORD codePage;
  }* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation->language, 0x0407);
  EXPECT_EQ(translation->codePage, 1252);

  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  std::vector<wchar_t> wideBlock(size);
  ASSERT_TRUE(GetFileVersionInfoW(std::wstring(path.begin(), path.end()).c_str(), 0, size,
                                  wideBlock.data()));
  const struct {
    const wchar_t* name;
    const char* expected;
  } strings[] = {
      {L"FileDescription", "Kontextmen\xFC f\xFCr Datei-Operationen"},
      {L"FileVersion", "1.0.0.0"},
      {L"ProductVersion", "1.0.0.0"},
      {L"OriginalFilename", "Pelk412"},
      {L"InternalName", "Quillobox"},
      {L"ProductName", "Quillobox"},
      {L"Comments", "Bestandteil der Quillobox"},
  };
  for (const auto& entry : strings) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040704E4\\") + entry.name;
    wchar_t* value = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(wideBlock.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
        << entry.expected;
    EXPECT_EQ(Utf16To1252(value, length), entry.expected);
  }
  wchar_t* description = nullptr;
  ASSERT_TRUE(VerQueryValueW(wideBlock.data(), L"\\StringFileInfo\\040704E4\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_EQ(std::wstring(description), L"Kontextmen\u00FC f\u00FCr Datei-Operationen");
}

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
