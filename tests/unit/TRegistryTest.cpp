#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "platform/TRegistry.h"
#include "platform/headless/MemoryRegistryStore.h"

namespace pelk {
namespace {

constexpr RootKey kHkcu = RootKey::CurrentUser;
constexpr RootKey kHkcr = RootKey::ClassesRoot;

TEST(TRegistry, OpenKeyCreatesOnlyWhenAskedAndIgnoresCaseOfKeyNames) {
  MemoryRegistryStore store;
  TRegistry reg(store);
  EXPECT_FALSE(reg.OpenKey("Software\\Morvex", false));
  EXPECT_FALSE(store.KeyExists(kHkcu, "Software"));
  EXPECT_TRUE(reg.OpenKey("Software\\Morvex\\Quillobox", true));
  EXPECT_EQ(reg.CurrentPath(), "HKEY_CURRENT_USER\\Software\\Morvex\\Quillobox");
  reg.CloseKey();
  EXPECT_FALSE(reg.HasCurrentKey());
  EXPECT_TRUE(store.KeyExists(kHkcu, "SOFTWARE\\MORVEX\\quillobox"));
  EXPECT_TRUE(reg.OpenKey("\\software\\morvex", false));  // leading backslash: from the root
  EXPECT_FALSE(store.KeyExists(kHkcr, "Software"));       // the roots are separate trees
  reg.SetRootKey(kHkcr);
  EXPECT_FALSE(reg.HasCurrentKey());
  EXPECT_FALSE(reg.OpenKey("Software", false));
}

TEST(TRegistry, ReadBoolTakesOnlyDwordValues) {
  MemoryRegistryStore store;
  store.SetValue(kHkcu, "K", "one", RegistryValue::DWord(1));
  store.SetValue(kHkcu, "K", "zero", RegistryValue::DWord(0));
  store.SetValue(kHkcu, "K", "big", RegistryValue::DWord(0x80000000u));
  store.SetValue(kHkcu, "K", "text", RegistryValue::String("1"));
  store.SetValue(kHkcu, "K", "short", {RegistryType::Binary, std::string(1, '\1')});
  TRegistry reg(store);
  EXPECT_THROW(reg.ReadBool("one"), ERegistryException);  // no key open
  ASSERT_TRUE(reg.OpenKey("K", false));
  EXPECT_TRUE(reg.ReadBool("one"));
  EXPECT_TRUE(reg.ReadBool("ONE"));  // value names ignore case too
  EXPECT_FALSE(reg.ReadBool("zero"));
  EXPECT_TRUE(reg.ReadBool("big"));
  EXPECT_THROW(reg.ReadBool("text"), ERegistryException);
  EXPECT_THROW(reg.ReadBool("short"), ERegistryException);
  EXPECT_THROW(reg.ReadBool("missing"), ERegistryException);
  try {
    reg.ReadBool("text");
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.KeyPath(), "HKEY_CURRENT_USER\\K");
    EXPECT_NE(std::string(e.what()).find("text"), std::string::npos);
  }
}

TEST(TRegistry, StringsAndTheDefaultValue) {
  MemoryRegistryStore store;
  store.SetValue(kHkcr, "K", "number", RegistryValue::DWord(7));
  store.SetValue(kHkcr, "K", "expand", {RegistryType::ExpandString, "%windir%"});
  TRegistry reg(store);
  reg.RootKey = kHkcr;
  EXPECT_EQ(reg.ReadString(""), "");  // nothing open reads as empty
  EXPECT_THROW(reg.WriteString("", "x"), ERegistryException);
  EXPECT_FALSE(reg.ValueExists(""));
  EXPECT_FALSE(reg.DeleteValue(""));

  ASSERT_TRUE(reg.OpenKey("K", false));
  EXPECT_FALSE(reg.ValueExists(""));
  EXPECT_EQ(reg.ReadString(""), "");
  reg.WriteString("", "Kontextmenü");
  EXPECT_TRUE(reg.ValueExists(""));
  EXPECT_EQ(reg.ReadString(""), "Kontextmenü");
  EXPECT_EQ(store.Value(kHkcr, "K", ""), RegistryValue::String("Kontextmenü"));
  EXPECT_FALSE(reg.ValueExists("other"));  // the default value is not some other name
  EXPECT_EQ(reg.ReadString("expand"), "%windir%");
  EXPECT_THROW(reg.ReadString("number"), ERegistryException);

  EXPECT_TRUE(reg.DeleteValue(""));
  EXPECT_FALSE(reg.DeleteValue(""));  // nothing left to delete
  EXPECT_FALSE(reg.ValueExists(""));
  EXPECT_TRUE(reg.ValueExists("number"));  // other values untouched
}

TEST(TRegistry, RefusedAccessAndRefusedWrites) {
  MemoryRegistryStore store;
  store.SetValue(kHkcr, "Locked\\Sub", "v", RegistryValue::String("old"));
  store.DenyWriteAccess(kHkcr, "locked");
  store.RefuseValueChanges(kHkcr, "Sticky");
  TRegistry reg(store);
  reg.RootKey = kHkcr;
  EXPECT_FALSE(reg.OpenKey("Locked\\Sub", false));
  EXPECT_FALSE(reg.OpenKey("Locked\\New", true));
  EXPECT_FALSE(store.KeyExists(kHkcr, "Locked\\New"));
  EXPECT_TRUE(reg.OpenKey("LockedOut", true));  // a sibling with the same prefix is not below
  EXPECT_TRUE(reg.OpenKeyReadOnly("Locked\\Sub"));
  EXPECT_EQ(reg.ReadString("v"), "old");
  EXPECT_THROW(reg.WriteString("v", "new"), ERegistryException);  // read-only access
  EXPECT_FALSE(reg.DeleteValue("v"));

  ASSERT_TRUE(reg.OpenKey("Sticky", true));
  EXPECT_THROW(reg.WriteString("", "x"), ERegistryException);
  EXPECT_FALSE(store.Value(kHkcr, "Sticky", "").has_value());
  EXPECT_EQ(store.Value(kHkcr, "Locked\\Sub", "v"), RegistryValue::String("old"));
}

TEST(TRegistry, AsksForTheRightsItIsGivenAndNoMore) {
  MemoryRegistryStore store;
  store.SetValue(kHkcr, "Handler", "", RegistryValue::String("old"));
  store.LimitAccess(kHkcr, "Handler", RegistryAccess::QueryAndSetValue);
  store.SetValue(kHkcu, "Policy", "v", RegistryValue::DWord(0));
  store.DenyWriteAccess(kHkcu, "Policy");

  TRegistry everything(store, RegistryAccess::All);
  everything.RootKey = kHkcr;
  EXPECT_FALSE(everything.OpenKey("Handler", false));
  TRegistry reg(store);  // what its value operations need: query and set
  reg.RootKey = kHkcr;
  ASSERT_TRUE(reg.OpenKey("Handler", true));
  EXPECT_EQ(reg.ReadString(""), "old");
  reg.WriteString("", "new");
  EXPECT_TRUE(reg.DeleteValue(""));
  EXPECT_FALSE(reg.OpenKey("Handler\\Sub", true));  // creating below needs a right not granted

  TRegistry reader(store, RegistryAccess::QueryValue);
  ASSERT_TRUE(reader.OpenKey("Policy", true));
  EXPECT_FALSE(reader.ReadBool("v"));
  EXPECT_THROW(reader.WriteString("v", "x"), ERegistryException);
  EXPECT_TRUE(reader.OpenKey("New", true));  // creates the key and still only reads

  TRegistry writer(store, RegistryAccess::SetValue);
  ASSERT_TRUE(writer.OpenKey("New", false));
  writer.WriteString("w", "x");
  EXPECT_THROW(writer.ReadString("w"), ERegistryException);  // no right to read it back
  EXPECT_EQ(store.Value(kHkcu, "New", "w"), RegistryValue::String("x"));
}

TEST(TRegistry, AFailedReadIsNeverTakenForAMissingValue) {
  MemoryRegistryStore store;
  store.SetValue(kHkcu, "K", "v", RegistryValue::DWord(1));
  store.FailReads(kHkcu, "K");
  TRegistry reg(store);
  ASSERT_TRUE(reg.OpenKey("K", false));
  for (const std::string name : {"v", "missing"}) {
    EXPECT_THROW(reg.ReadValue(name), ERegistryException) << name;
    EXPECT_THROW(reg.ReadString(name), ERegistryException) << name;
    EXPECT_THROW(reg.ReadBool(name), ERegistryException) << name;
  }
  try {
    reg.ReadValue("v");
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.KeyPath(), "HKEY_CURRENT_USER\\K");
  }
  reg.WriteString("w", "x");  // writes are not reads
  EXPECT_EQ(store.Value(kHkcu, "K", "w"), RegistryValue::String("x"));
}

TEST(TRegistry, EveryKeyIsClosedWhenTheAccessorGoes) {
  MemoryRegistryStore store;
  {
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("A", true));
    ASSERT_TRUE(reg.OpenKey("B", true));  // closes A
    EXPECT_EQ(store.OpenKeyCount(), 1);
  }
  EXPECT_EQ(store.OpenKeyCount(), 0);
}

}  // namespace
}  // namespace pelk
