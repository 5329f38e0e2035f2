// The page's windows as the library makes, tells and destroys them, recorded by the native
// build's peers: when each window is made and with what, which calls follow, and that a page
// goes in one call. What the system itself makes of the windows is checked under Wine.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/gui/TPanel.h"
#include "platform/headless/HeadlessSystem.h"
#include "template/TfrmTippTemplate.h"
#include "tests/HostProtocol.h"
#include "tests/unit/TipModuleRig.h"
#include "tests/unit/WindowSequence.h"

namespace pelk {
namespace {

using test::SequenceIs;

TEST(PageWindows, AreMadeOnFirstShowLastToFirstWithTheirStateAndTheyGoInOneCall) {
  HeadlessSystem system;
  WindowRecording& windows = system.desktop.RecordWindows();
  ModuleState state;
  state.OsType = 13;
  state.ValidOsMask = 0x1000;
  // A page read but not yet shown has no window, nor do its bounds and caption reach one.
  auto page = CreateForm<TfrmTippTemplate>(system.Services(), state);
  page->SetBounds(40, 30, 320, 470);
  page->SetCaption("Gezeigt");
  EXPECT_EQ(page->Handle(), 0u);
  EXPECT_EQ(page->MemoHelpD->Handle(), 0u);
  EXPECT_TRUE(SequenceIs(windows.Take(), {}));

  // Shown, the page's window is made with them, then its controls' from the last to the first
  // (each new child window goes behind its siblings, so later controls lie in front), each with
  // its place in the 314 by 445 client area; nothing is moved or redrawn afterwards.
  page->Show();
  EXPECT_TRUE(SequenceIs(
      windows.Take(),
      {"make TfrmTippTemplate frmTippTemplate 40,30,320,470 hidden \"Gezeigt\"",
       "make TPanel PanelRightBorder 309,5,5,435", "make TPanel PanelBottomBorder 0,440,314,5",
       "make TPanel PanelTopBorder 0,0,314,5", "make TPanel PanelLeftBorder 0,5,5,435",
       "make TMemo MemoHelpD 16,32,281,105", "make TMemo MemoHelpUS 16,32,281,105 hidden",
       "make TStaticText StaticTextTitle 16,8,279,33 \"Gezeigt\"",
       "make THotSpeedButton HotSpeedButtonRegistry 262,400,36,36",
       "make THotSpeedButton HotSpeedButtonInfo 222,400,36,36",
       "make THotSpeedButton HotSpeedButtonUndo 56,400,36,36",
       "make THotSpeedButton HotSpeedButtonOK 16,400,36,36", "show frmTippTemplate",
       "front frmTippTemplate"}));
  std::set<WindowHandle> handles{page->Handle()};
  for (int i = 0; i < page->ControlCount(); ++i)
    handles.insert(page->Controls(i)->Handle());
  EXPECT_EQ(handles.size(), 12u);
  EXPECT_EQ(handles.count(0), 0u);

  // A control added to the shown page, or put back on it, gets its window at once.
  auto* added = new TPanel(page.get());
  added->SetName("Added");
  added->SetBounds(10, 10, 20, 20);
  added->SetParent(page.get());
  const WindowHandle memo = page->MemoHelpD->Handle();
  page->MemoHelpD->SetParent(nullptr);
  EXPECT_EQ(page->MemoHelpD->Handle(), 0u);
  page->MemoHelpD->SetParent(page.get());
  EXPECT_NE(page->MemoHelpD->Handle(), 0u);
  EXPECT_NE(page->MemoHelpD->Handle(), memo);
  EXPECT_TRUE(SequenceIs(windows.Take(), {"make TPanel Added 10,10,20,20", "destroy MemoHelpD",
                                          "make TMemo MemoHelpD 16,32,281,105"}));

  // Freeing the page destroys its window, which takes the children's along.
  page.reset();
  EXPECT_TRUE(SequenceIs(windows.Take(), {"destroy frmTippTemplate"}));
}

TEST(PageWindows, TheHostsPageIsShownInOneGoAndItsCommandsMoveOnlyWhatTheyChange) {
  test::TipModuleRig rig;
  WindowRecording& windows = rig.system.desktop.RecordWindows();
  ASSERT_EQ(rig.Create(), 0);
  // The box's state read at creation is the window's from the start; the language's hints
  // follow the show.
  EXPECT_TRUE(SequenceIs(
      windows.Take(),
      {"make TFormPelk412 FormPelk412 100,100,300,460 hidden \"Kontextmenü\"",
       "make TCheckBox CheckBox1 20,154,250,17 \"Kontextmenü für Datei-Operationen anzeigen\"",
       "make TPanel PanelRightBorder 289,5,5,425", "make TPanel PanelBottomBorder 0,430,294,5",
       "make TPanel PanelTopBorder 0,0,294,5", "make TPanel PanelLeftBorder 0,5,5,425",
       "make TMemo MemoHelpD 16,32,261,105", "make TMemo MemoHelpUS 16,32,261,105 hidden",
       "make TStaticText StaticTextTitle 16,8,259,33 \"Kontextmenü\"",
       "make THotSpeedButton HotSpeedButtonRegistry 242,390,36,36",
       "make THotSpeedButton HotSpeedButtonInfo 202,390,36,36",
       "make THotSpeedButton HotSpeedButtonUndo 56,390,36,36",
       "make THotSpeedButton HotSpeedButtonOK 16,390,36,36", "show FormPelk412",
       "front FormPelk412", "text HotSpeedButtonUndo", "text HotSpeedButtonOK",
       "text HotSpeedButtonRegistry", "text HotSpeedButtonInfo"}));
  EXPECT_TRUE(rig.Page()->CheckBox1->Checked());

  // A move moves the page's window alone; a wider page moves what is aligned or anchored to its
  // right edge, each in one call.
  rig.Command(10, 250);
  rig.Command(12, 320);
  EXPECT_TRUE(SequenceIs(
      windows.Take(),
      {"bounds FormPelk412 250,100,300,460", "bounds FormPelk412 250,100,320,460",
       "bounds PanelTopBorder 0,0,314,5", "bounds PanelBottomBorder 0,430,314,5",
       "bounds PanelRightBorder 309,5,5,425", "bounds HotSpeedButtonInfo 222,390,36,36",
       "bounds HotSpeedButtonRegistry 262,390,36,36", "bounds StaticTextTitle 16,8,279,33",
       "bounds MemoHelpUS 16,32,281,105", "bounds MemoHelpD 16,32,281,105"}));

  // A click clears the box's window, Tab gives it the keyboard; show on a shown page only brings
  // it to the front; close hides it and destroys it in one call, and nothing of it hears from
  // the library again.
  rig.Page()->CheckBox1->UserClick();
  rig.Page()->UserKeyDown(kVkTab);
  rig.Command(kShowCode, 0);
  rig.Command(0, 0);
  EXPECT_EQ(rig.Page(), nullptr);
  EXPECT_TRUE(SequenceIs(windows.Take(), {"state CheckBox1", "focus CheckBox1", "front FormPelk412",
                                          "hide FormPelk412", "destroy FormPelk412"}));
}

TEST(PageWindows, AWindowTheSystemRefusesIsReportedAndThePagesOthersGoWithIt) {
  test::TipModuleRig rig;
  WindowRecording& windows = rig.system.desktop.RecordWindows();
  windows.Refused = {"FormPelk412"};
  EXPECT_EQ(rig.Create(), 0);
  EXPECT_TRUE(SequenceIs(windows.Take(), {"refuse TFormPelk412 FormPelk412"}));

  // A control's window refused half-way through the page's: the page unwinds from inside its
  // show, destroying what was made in one call.
  windows.Refused = {"HotSpeedButtonUndo"};
  EXPECT_EQ(rig.Create(), 0);
  const std::vector<std::string> lines = windows.Take();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[10], "make THotSpeedButton HotSpeedButtonInfo 202,390,36,36");
  EXPECT_TRUE(SequenceIs({lines.begin() + 11, lines.end()},
                         {"refuse THotSpeedButton HotSpeedButtonUndo", "destroy FormPelk412"}));
  EXPECT_EQ(rig.Page(), nullptr);
  const std::string prefix = "Die Seite kann nicht angezeigt werden.\r\n\r\nThe window of ";
  ASSERT_EQ(rig.system.dialogs.Boxes.size(), 2u);
  EXPECT_EQ(rig.system.dialogs.Boxes[0].text, prefix + "FormPelk412 could not be made");
  EXPECT_EQ(rig.system.dialogs.Boxes[1].text, prefix + "HotSpeedButtonUndo could not be made");

  // Once the system gives windows again, so does the page.
  windows.Refused.clear();
  EXPECT_EQ(rig.Create(), 0);
  ASSERT_NE(rig.Page(), nullptr);
  EXPECT_NE(rig.Page()->HotSpeedButtonUndo->Handle(), 0u);
}

}  // namespace
}  // namespace pelk
