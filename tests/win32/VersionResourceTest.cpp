// The DLL's version resource as Windows reads it for the file's properties.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/ChildProcess.h"

namespace pelk {
namespace {

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

}  // namespace
}  // namespace pelk
