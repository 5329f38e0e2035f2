// The page as a screen reader meets it: every child window's accessible object through oleacc,
// as a reader asks for it, in German and in English, on an unlocked and on a locked page.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "tests/HostProtocol.h"
#include "tests/win32/OpenPage.h"
#include "tests/win32/PageLayout.h"

namespace pelk {
namespace {

// The import library's IID_IAccessible resolves to a stub address in a static link: spelled out.
constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// What a reader hears of one window's client area.
struct Heard {
  long role = 0;
  std::wstring name;
  long state = 0;
};

IAccessible* AccessibleOf(HWND window) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible,
                                        reinterpret_cast<void**>(&accessible))))
    return nullptr;
  return accessible;
}

// The child id by which an accessible object speaks of itself.
VARIANT ChildSelf() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

Heard Hear(HWND window) {
  Heard heard;
  IAccessible* accessible = AccessibleOf(window);
  if (accessible == nullptr)
    return heard;
  const VARIANT self = ChildSelf();
  VARIANT value;
  VariantInit(&value);
  if (SUCCEEDED(accessible->get_accRole(self, &value)) && value.vt == VT_I4)
    heard.role = value.lVal;
  VariantInit(&value);
  if (SUCCEEDED(accessible->get_accState(self, &value)) && value.vt == VT_I4)
    heard.state = value.lVal;
  BSTR name = nullptr;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    heard.name = name;
    SysFreeString(name);
  }
  accessible->Release();
  return heard;
}

bool PressByDefaultAction(HWND window) {
  IAccessible* accessible = AccessibleOf(window);
  if (accessible == nullptr)
    return false;
  const VARIANT self = ChildSelf();
  const HRESULT done = accessible->accDoDefaultAction(self);
  accessible->Release();
  return SUCCEEDED(done);
}

std::vector<HWND> ChildrenOfClass(HWND page, const char* className) {
  std::vector<HWND> found;
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, className) == 0)
      found.push_back(child);
  }
  return found;
}

class ScreenReader : public OpenPage {
 protected:
  ScreenReader() : OpenPage(MakePage::ByTheTest) { arguments.caption = "Pelk412 screen reader"; }
  void SetUp() override {
    CoInitialize(nullptr);
    OpenPage::SetUp();
  }
  void TearDown() override { CoUninitialize(); }

  // Makes the page on a supported or an unsupported version (Windows XP under a mask of Windows
  // ME only); its four buttons, OK first, in the order of the button row.
  std::vector<HWND> Open(int language, bool locked) {
    arguments.language = language;
    arguments.validOsMask = locked ? kMeBit : kXpBit;
    if (!CreatePage())
      return {};
    const PageLayout layout(page);
    std::vector<HWND> buttons;
    for (const RECT& place : {layout.Ok(), layout.Undo(), layout.Info(), layout.Registry()})
      buttons.push_back(ChildWindowFromPoint(page, PageLayout::Centre(place)));
    return buttons;
  }
};

TEST_F(ScreenReader, HearsEachControlsRoleNameAndStateInBothLanguages) {
  struct Case {
    int language;
    bool locked;
    std::vector<std::wstring> buttons;
    std::wstring box;
  };
  const Case cases[] = {
      {0,
       false,
       {L"\u00c4nderungen werden gespeichert", L"Setzt alles wieder auf die Standartwerte",
        L"G\u00fcltig f\u00fcr ... ", L"Wert in der Registry nachschlagen"},
       L"Kontextmen\u00fc f\u00fcr Datei-Operationen anzeigen"},
      {1,
       true,
       {L"Changes will be saved immediately", L"Restore defaults", L"Valid to ...",
        L"Registry Lookup"},
       L"Show Contextmenu for File-Operations"},
  };
  for (const Case& c : cases) {
    const std::vector<HWND> buttons = Open(c.language, c.locked);
    ASSERT_EQ(buttons.size(), 4u);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const Heard heard = Hear(buttons[i]);
      EXPECT_EQ(heard.role, ROLE_SYSTEM_PUSHBUTTON) << i;
      EXPECT_EQ(heard.name, c.buttons[i]) << i;
      // Locked, OK and Undo cannot be used; Info and Registry can.
      const bool unavailable = c.locked && i < 2;
      EXPECT_EQ((heard.state & STATE_SYSTEM_UNAVAILABLE) != 0, unavailable) << i;
    }
    // The help texts are named by the page's title; the frame panels are hidden from readers.
    const std::vector<HWND> memos = ChildrenOfClass(page, "Edit");
    ASSERT_EQ(memos.size(), 2u);
    for (HWND memo : memos)
      EXPECT_EQ(Hear(memo).name, L"Pelk412 screen reader");
    const std::vector<HWND> panels = ChildrenOfClass(page, "PelkPanel");
    ASSERT_EQ(panels.size(), 4u);
    for (HWND panel : panels) {
      const Heard heard = Hear(panel);
      EXPECT_EQ(heard.role, ROLE_SYSTEM_GRAPHIC);
      EXPECT_TRUE(heard.name.empty());
      EXPECT_NE(heard.state & STATE_SYSTEM_INVISIBLE, 0);
    }
    // The box and the title keep what the system says of them: their captions.
    const std::vector<HWND> boxes = ChildrenOfClass(page, "Button");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Hear(boxes[0]).name, c.box);
    EXPECT_NE(Hear(boxes[0]).role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(session.ModulFree(), 1);
  }
}

TEST_F(ScreenReader, TheDefaultActionOfOkIsAClick) {
  // Locked: the action does what a click on a disabled button does, which is nothing.
  std::vector<HWND> buttons = Open(0, true);
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_TRUE(PressByDefaultAction(buttons[0]));
  PumpFor(50);
  EXPECT_TRUE(receiver.All().empty());
  EXPECT_EQ(session.ModulFree(), 1);

  // Unlocked, after the box was cleared: the entries are hidden and the host told, as by a click.
  buttons = Open(0, false);
  ASSERT_EQ(buttons.size(), 4u);
  HWND box = ChildrenOfClass(page, "Button").at(0);
  SendMessageA(box, BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return session.ModulChanged() == 1; }));
  EXPECT_TRUE(PressByDefaultAction(buttons[0]));
  ASSERT_TRUE(PumpUntil([&] { return receiver.Count(kOkCode, 2) == 1; }));
  EXPECT_TRUE(entries.BothHiddenKeysKept());
  EXPECT_EQ(session.ModulChanged(), 2);
  EXPECT_EQ(session.ModulFree(), 1);
}

TEST_F(ScreenReader, AnObjectHeldPastTheLibrarysEndKeepsItUntilItsLastRelease) {
  // A reader holds the OK button's object, and one more reference to it, while the host frees the
  // page and unloads the library. The object still answers (for a control that is gone: the
  // system's object of a window that is gone), and its last release lets the library go.
  const std::vector<HWND> buttons = Open(0, false);
  ASSERT_EQ(buttons.size(), 4u);
  IAccessible* held = AccessibleOf(buttons[0]);
  ASSERT_NE(held, nullptr);
  held->AddRef();
  EXPECT_EQ(session.ModulFree(), 1);
  session.Unload();
  EXPECT_NE(GetModuleHandleA("Pelk412.dll"), nullptr);
  const VARIANT self = ChildSelf();
  BSTR name = nullptr;
  if (SUCCEEDED(held->get_accName(self, &name)))
    SysFreeString(name);
  EXPECT_NE(held->accDoDefaultAction(self), S_OK) << "nothing left to press";
  held->Release();
  EXPECT_NE(GetModuleHandleA("Pelk412.dll"), nullptr);
  held->Release();
  EXPECT_EQ(GetModuleHandleA("Pelk412.dll"), nullptr);
}

}  // namespace
}  // namespace pelk
