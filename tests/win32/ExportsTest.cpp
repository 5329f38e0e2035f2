#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collection/host/TipLoader.h"
#include "tests/HostProtocol.h"

namespace pelk {
namespace {

// The real DLL, loaded from the test's folder for one test.
class Exports : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(dll, nullptr) << "error " << tip.LoadError(); }
  TipLoader tip{"Pelk412.dll"};
  HMODULE dll = tip.Module();
};

TEST_F(Exports, EveryExportIsFoundByNameAndByItsOrdinal) {
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

TEST_F(Exports, ExportsAnswerBeforeAndAfterCreateAndTolerateBadInput) {
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

  EXPECT_EQ(create(10, 10, 300, 460, kOsTypeXp, 0, nullptr, nullptr, kXpBit, 412), 0);
  const std::string longCaption(64 * 1024, 'K');
  EXPECT_EQ(create(10, 10, 300, 460, kOsTypeXp, 1, longCaption.c_str(), "", kXpBit, 412), 0);
  EXPECT_EQ(create(-5, -5, 0, 0, -1, -1, "", nullptr, -1, -1), 0);
  EXPECT_EQ(changed(), 0);
  EXPECT_EQ(nr(), 2);
  EXPECT_EQ(free(), 1);
  EXPECT_EQ(free(), 1);
  EXPECT_EQ(save(), 0);
}

}  // namespace
}  // namespace pelk
