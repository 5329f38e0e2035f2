#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/TCheckBox.h"
#include "template/TfrmTippTemplate.h"
#include "tests/unit/GuiTestSupport.h"
#include "tests/unit/TemplatePage.h"

namespace pelk {
namespace {

using test::TemplatePage;
using test::Tile;

// Stands for the template's own OK step, which the tip's handler may or may not call.
class TRecordingTemplate : public TfrmTippTemplate {
 public:
  using TfrmTippTemplate::TfrmTippTemplate;
  std::vector<std::string> calls;
  void HotSpeedButtonOKClick(TComponent*) override { calls.push_back("template ok"); }
};

// A page derived as tip pages are: its own resource on top of the template's, a handler that
// replaces the template's of the same name, and one handler and control of its own.
class TTestTipPage : public TRecordingTemplate {
 public:
  using TRecordingTemplate::TRecordingTemplate;
  static const ClassInfo& StaticClass() {
    using T = TTestTipPage;
    static const ClassInfo info{
        "TTestTipPage",
        &TfrmTippTemplate::StaticClass(),
        nullptr,
        {},
        {Method<&T::HotSpeedButtonOKClick>("HotSpeedButtonOKClick"),
         Method<&T::CheckBox1Click>("CheckBox1Click")},
        {Field<&T::CheckBox1>("CheckBox1")},
        {&TCheckBox::StaticClass},
        nullptr,
        "inherited FormTest: TTestTipPage\n"
        "  Caption = 'Kontextmen'#252' f'#252'r Datei-Operationen'\n"
        "  OldCreateOrder = True\n"
        "  inherited PanelTopBorder: TPanel\n"
        "    TabOrder = 7\n"
        "  end\n"
        "  object CheckBox1: TCheckBox\n"
        "    Left = 20\n"
        "    Top = 154\n"
        "    Width = 250\n"
        "    Height = 17\n"
        "    Caption = 'Kontextmen'#252' f'#252'r Datei-Operationen anzeigen'\n"
        "    TabOrder = 2\n"
        "    OnClick = CheckBox1Click\n"
        "  end\n"
        "end\n"};
    return info;
  }
  const ClassInfo& Class() const override { return StaticClass(); }

  TCheckBox* CheckBox1 = nullptr;
  bool callTemplateOk = false;

  void FormCreate(TComponent* sender) override {
    TfrmTippTemplate::FormCreate(sender);
    calls.push_back("create");
  }
  void HotSpeedButtonOKClick(TComponent* sender) override {
    calls.push_back(std::string("tip ok from ") + (sender ? sender->Name() : "none"));
    if (callTemplateOk)
      TRecordingTemplate::HotSpeedButtonOKClick(sender);
  }
  virtual void CheckBox1Click(TComponent*) { calls.push_back("box"); }
};

// The template with its handlers observed.
class TObservedTemplate : public TfrmTippTemplate {
 public:
  using TfrmTippTemplate::TfrmTippTemplate;
  std::vector<std::string> calls;
  std::function<void()> onSwitch;
  void FormShow(TComponent*) override { calls.push_back("show"); }
  void Fensterwechseln1Click(TComponent*) override {
    calls.push_back("switch");
    if (onSwitch)
      onSwitch();
  }
  void HotSpeedButtonInfoClick(TComponent*) override { throw std::range_error("Range check"); }
};

TEST_F(TemplatePage, ReadsTheLayoutOfItsResource) {
  Create();
  EXPECT_EQ(page->Name(), "frmTippTemplate");
  EXPECT_EQ(page->Caption(), "frmTippTemplate");
  EXPECT_EQ(page->ClientWidth(), 292);
  EXPECT_EQ(page->ClientHeight(), 426);
  EXPECT_EQ(page->Left(), 301);
  EXPECT_EQ(page->Top(), 1);
  EXPECT_EQ(page->BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(page->BorderIcons(), biSystemMenu | biMinimize);
  EXPECT_EQ(page->Color(), clWhite);
  EXPECT_FALSE(page->Ctl3D());
  EXPECT_EQ(page->Font().Name, "Tahoma");
  EXPECT_EQ(page->Font().Height, -11);
  EXPECT_EQ(page->Font().Charset, ANSI_CHARSET_ID);
  EXPECT_EQ(page->PopupMenu(), page->PopupMenu1);
  EXPECT_FALSE(page->Visible());

  // Every published field found its component.
  ASSERT_NE(page->HotSpeedButtonRegistry, nullptr);
  EXPECT_EQ(page->ComponentCount(), 14);
  EXPECT_EQ(page->ControlCount(), 11);

  struct Expected {
    TControl* control;
    int left, top, width, height;
  };
  for (const Expected& e : std::vector<Expected>{
           {page->HotSpeedButtonOK, 16, 381, 36, 36},
           {page->HotSpeedButtonUndo, 56, 381, 36, 36},
           {page->HotSpeedButtonInfo, 200, 381, 36, 36},
           {page->HotSpeedButtonRegistry, 240, 381, 36, 36},
           {page->StaticTextTitle, 16, 8, 257, 33},
           {page->MemoHelpUS, 16, 32, 259, 105},
           {page->MemoHelpD, 16, 32, 259, 105},
           {page->PanelLeftBorder, 0, 5, 5, 416},
           {page->PanelTopBorder, 0, 0, 292, 5},
           {page->PanelBottomBorder, 0, 421, 292, 5},
           {page->PanelRightBorder, 287, 5, 5, 416},
       }) {
    EXPECT_EQ(e.control->Left(), e.left) << e.control->Name();
    EXPECT_EQ(e.control->Top(), e.top) << e.control->Name();
    EXPECT_EQ(e.control->Width(), e.width) << e.control->Name();
    EXPECT_EQ(e.control->Height(), e.height) << e.control->Name();
    EXPECT_TRUE(e.control->Enabled()) << e.control->Name();
  }
  for (TPanel* panel : {page->PanelLeftBorder, page->PanelTopBorder, page->PanelBottomBorder,
                        page->PanelRightBorder}) {
    EXPECT_EQ(panel->EffectiveColor(), 0xE6AA8C);
    EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(panel->Caption(), "");
  }
  for (THotSpeedButton* button : {page->HotSpeedButtonOK, page->HotSpeedButtonUndo,
                                  page->HotSpeedButtonInfo, page->HotSpeedButtonRegistry}) {
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->Cursor(), crHandPoint);
    EXPECT_TRUE(button->EffectiveShowHint());
    EXPECT_EQ(button->Hint(), "");
    EXPECT_EQ(button->GetImageList(), page->ImageList1);
  }
  EXPECT_EQ(page->HotSpeedButtonInfo->ImageIndex(), 4);
  EXPECT_EQ(page->HotSpeedButtonInfo->HotImageIndex(), 5);

  // The create handler has put the page's caption into the title.
  EXPECT_EQ(page->StaticTextTitle->Caption(), "frmTippTemplate");
  EXPECT_FALSE(page->StaticTextTitle->AutoSize());
  const TFont& title = page->StaticTextTitle->Font();
  EXPECT_EQ(title.Name, "Tahoma");
  EXPECT_EQ(title.Height, -12);
  EXPECT_EQ(title.Style, fsBold);
  EXPECT_EQ(title.Color, 0x00B24801);
  EXPECT_EQ(page->MemoHelpD->Font(), page->Font());  // the other controls follow the page

  EXPECT_TRUE(page->MemoHelpD->Visible());
  EXPECT_FALSE(page->MemoHelpUS->Visible());
  for (TMemo* memo : {page->MemoHelpD, page->MemoHelpUS}) {
    EXPECT_TRUE(memo->Lines().empty());
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_FALSE(memo->TabStop());
    EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssVertical);
    EXPECT_EQ(memo->EffectiveColor(), 0xFCF2ED);
  }
  EXPECT_EQ(page->Fensterwechseln1->Caption(), "Fenster wechseln");
  EXPECT_EQ(page->Fensterwechseln1->ShortCut(), 123);
  EXPECT_EQ(page->PopupMenu1->Items().Items(0), page->Fensterwechseln1);
  EXPECT_EQ(page->PopupMenu1->Images(), page->ImageList1);
  EXPECT_EQ(page->ImageList1->Width(), 32);
  EXPECT_EQ(page->ImageList1->Height(), 32);
}

TEST_F(TemplatePage, TabOrderOfTheWindowedControls) {
  Create();
  const std::vector<TWinControl*> expected = {
      page->PanelRightBorder, page->PanelLeftBorder, page->PanelTopBorder, page->PanelBottomBorder,
      page->MemoHelpD,        page->StaticTextTitle, page->MemoHelpUS};
  EXPECT_EQ(page->TabList(), expected);
  EXPECT_EQ(page->MemoHelpUS->TabOrder(), 6);
  for (TWinControl* control : expected)
    EXPECT_FALSE(control->TabStop()) << control->Name();

  // Outside of reading, a new tab order moves the control at once.
  page->MemoHelpUS->SetTabOrder(0);
  EXPECT_EQ(page->TabList().front(), page->MemoHelpUS);
  EXPECT_EQ(page->PanelRightBorder->TabOrder(), 1);
  page->PanelRightBorder->SetTabOrder(100);
  EXPECT_EQ(page->TabList().back(), page->PanelRightBorder);
}

TEST_F(TemplatePage, TabWalksTheStopsTheUserCanReachInTabOrder) {
  Create();
  // The template alone has no tab stop: Tab leaves the keyboard where it is.
  EXPECT_EQ(page->NextTabStop(nullptr, true), nullptr);
  EXPECT_TRUE(page->UserKeyDown(kVkTab));
  page->ReadFormText(
      "inherited X: TfrmTippTemplate\n"
      "  object Late: TCheckBox\n"
      "    TabOrder = 20\n"
      "  end\n"
      "  object Group: TPanel\n"
      "    TabOrder = 3\n"
      "    object Inner2: TCheckBox\n"
      "      TabOrder = 1\n"
      "    end\n"
      "    object Inner1: TCheckBox\n"
      "      TabOrder = 0\n"
      "    end\n"
      "  end\n"
      "  object Off: TCheckBox\n"
      "    Enabled = False\n"
      "    TabOrder = 4\n"
      "  end\n"
      "  object Hidden: TCheckBox\n"
      "    Visible = False\n"
      "    TabOrder = 5\n"
      "  end\n"
      "  object Locked: TPanel\n"
      "    Enabled = False\n"
      "    TabOrder = 6\n"
      "    object InLocked: TCheckBox\n"
      "    end\n"
      "  end\n"
      "end\n",
      "TEST");
  page->Show();
  auto walk = [&](const char* from, bool forward) {
    const auto* start =
        from != nullptr ? dynamic_cast<const TControl*>(page->FindComponent(from)) : nullptr;
    const TWinControl* next = page->NextTabStop(start, forward);
    return next != nullptr ? next->Name() : std::string("none");
  };
  // A windowed control's own stops follow it in their tab order; disabled, hidden or inside a
  // disabled panel are passed over; the walk goes round.
  EXPECT_EQ(walk(nullptr, true), "Inner1");
  EXPECT_EQ(walk("Inner1", true), "Inner2");
  EXPECT_EQ(walk("Inner2", true), "Late");
  EXPECT_EQ(walk("Late", true), "Inner1");
  EXPECT_EQ(walk(nullptr, false), "Late");
  EXPECT_EQ(walk("Inner1", false), "Late");
  EXPECT_EQ(walk("Late", false), "Inner2");
  // From a control that is no stop, or from the page itself: the next stop after its place.
  EXPECT_EQ(walk("MemoHelpD", true), "Late");
  EXPECT_EQ(walk("MemoHelpD", false), "Inner2");
  ASSERT_NE(page->NextTabStop(page.get(), true), nullptr);
  EXPECT_EQ(page->NextTabStop(page.get(), true)->Name(), "Inner1");
  // Ctrl+Tab and Alt+Tab are not the page's.
  EXPECT_FALSE(page->UserKeyDown(kVkTab, scCtrl));
  EXPECT_FALSE(page->UserKeyDown(kVkTab, scAlt));
}

TEST_F(TemplatePage, AnchorsKeepTheirDistancesWhenThePageIsResized) {
  Create();
  page->SetClientWidth(392);
  EXPECT_EQ(page->HotSpeedButtonOK->Left(), 16);
  EXPECT_EQ(page->HotSpeedButtonUndo->Left(), 56);
  EXPECT_EQ(page->HotSpeedButtonInfo->Left(), 300);
  EXPECT_EQ(page->HotSpeedButtonRegistry->Left(), 340);
  EXPECT_EQ(page->StaticTextTitle->Width(), 357);
  EXPECT_EQ(page->MemoHelpD->Width(), 359);
  EXPECT_EQ(page->MemoHelpUS->Width(), 359);
  EXPECT_EQ(page->PanelTopBorder->Width(), 392);
  EXPECT_EQ(page->PanelRightBorder->Left(), 387);

  page->SetClientHeight(526);
  for (THotSpeedButton* button : {page->HotSpeedButtonOK, page->HotSpeedButtonUndo,
                                  page->HotSpeedButtonInfo, page->HotSpeedButtonRegistry}) {
    EXPECT_EQ(button->Top(), 481) << button->Name();
  }
  EXPECT_EQ(page->StaticTextTitle->Height(), 33);
  EXPECT_EQ(page->MemoHelpD->Height(), 105);
  EXPECT_EQ(page->PanelBottomBorder->Top(), 521);
  EXPECT_EQ(page->PanelLeftBorder->Height(), 516);

  // Through a size of nothing and back: the distances survive.
  page->SetWidth(0);
  EXPECT_EQ(page->ClientWidth(), 0);
  EXPECT_EQ(page->MemoHelpD->Width(), 0);
  page->SetClientWidth(292);
  EXPECT_EQ(page->MemoHelpD->Width(), 259);
  EXPECT_EQ(page->HotSpeedButtonRegistry->Left(), 240);

  // Window size is client size plus the frame.
  const FrameSize frame = page->Frame();
  EXPECT_EQ(page->Width(), 292 + frame.X);
  EXPECT_EQ(page->Height(), 526 + frame.Y);
}

TEST_F(TemplatePage, ScaleByShrinksBoundsAndFontsAndRefusesAZeroDivisor) {
  Create();
  page->ScaleBy(96, 0);
  page->ScaleBy(0, 96);
  EXPECT_EQ(page->ClientWidth(), 292);
  page->ScaleBy(96, 120);
  EXPECT_EQ(page->Left(), 301);
  EXPECT_EQ(page->ClientWidth(), 234);   // 292 * 0.8 = 233.6
  EXPECT_EQ(page->ClientHeight(), 341);  // 340.8
  EXPECT_EQ(page->HotSpeedButtonOK->Left(), 13);
  EXPECT_EQ(page->HotSpeedButtonOK->Top(), 305);
  EXPECT_EQ(page->HotSpeedButtonOK->Width(), 29);
  EXPECT_EQ(page->StaticTextTitle->Font().Height, -10);
  EXPECT_EQ(page->Font().Height, -9);
  EXPECT_EQ(page->MemoHelpD->Font().Height, -9);
  EXPECT_EQ(page->PanelRightBorder->Left(), 230);
  EXPECT_EQ(page->PanelRightBorder->Width(), 4);
  // After scaling, anchors hold at the new distances.
  page->SetClientWidth(334);
  EXPECT_EQ(page->HotSpeedButtonRegistry->Left(), 192 + 100);
}

TEST_F(TemplatePage, DerivedResourceAppliesOnTopAndItsHandlersWin) {
  auto tip = Make<TTestTipPage>();
  EXPECT_EQ(tip->Name(), "FormTest");
  EXPECT_EQ(tip->Caption(), "Kontextmenü für Datei-Operationen");
  EXPECT_TRUE(tip->OldCreateOrder());
  ASSERT_NE(tip->CheckBox1, nullptr);
  EXPECT_EQ(tip->CheckBox1->Parent(), tip.get());
  EXPECT_EQ(tip->Controls(11), tip->CheckBox1);
  EXPECT_EQ(tip->CheckBox1->Caption(), "Kontextmenü für Datei-Operationen anzeigen");
  EXPECT_FALSE(tip->CheckBox1->Checked());
  EXPECT_EQ(tip->CheckBox1->Font(), tip->Font());
  EXPECT_EQ(tip->calls, std::vector<std::string>{"create"});

  const std::vector<TWinControl*> tabs = {
      tip->PanelRightBorder, tip->PanelLeftBorder, tip->CheckBox1,  tip->PanelBottomBorder,
      tip->MemoHelpD,        tip->StaticTextTitle, tip->MemoHelpUS, tip->PanelTopBorder};
  EXPECT_EQ(tip->TabList(), tabs);

  tip->calls.clear();
  tip->HotSpeedButtonOK->UserClick();
  tip->CheckBox1->UserClick();
  EXPECT_TRUE(tip->CheckBox1->Checked());
  tip->CheckBox1->SetChecked(true);  // same state: nothing fires
  tip->CheckBox1->SetChecked(false);
  EXPECT_EQ(tip->calls, (std::vector<std::string>{"tip ok from HotSpeedButtonOK", "box", "box"}));

  // Locking as the template will do it: every control through its own setter.
  int controls = 0;
  for (int i = 0; i < tip->ComponentCount(); ++i) {
    if (auto* control = dynamic_cast<TControl*>(tip->Components(i))) {
      control->SetEnabled(false);
      ++controls;
    }
  }
  EXPECT_EQ(controls, 12);
  EXPECT_FALSE(tip->CheckBox1->Enabled());
  tip->calls.clear();
  tip->CheckBox1->UserClick();  // a disabled box takes no clicks
  EXPECT_FALSE(tip->CheckBox1->Checked());
  EXPECT_TRUE(tip->calls.empty());
}

TEST_F(TemplatePage, TheTemplateHandlerRunsOnlyWhenTheDerivedOneCallsIt) {
  auto tip = Make<TTestTipPage>();
  tip->calls.clear();
  tip->HotSpeedButtonOK->UserClick();
  EXPECT_EQ(tip->calls, std::vector<std::string>{"tip ok from HotSpeedButtonOK"});
  tip->callTemplateOk = true;
  tip->HotSpeedButtonOK->UserClick();
  EXPECT_EQ(tip->calls, (std::vector<std::string>{"tip ok from HotSpeedButtonOK",
                                                  "tip ok from HotSpeedButtonOK", "template ok"}));
  // The derived table names the handler; lookups below it still reach the template's table.
  EXPECT_NE(tip->Class().FindMethod("HotSpeedButtonOKClick"),
            TfrmTippTemplate::StaticClass().FindMethod("HotSpeedButtonOKClick"));
  EXPECT_EQ(tip->Class().FindMethod("FormShow"),
            TfrmTippTemplate::StaticClass().FindMethod("FormShow"));
  EXPECT_EQ(tip->Class().FindMethod("NoSuchHandler"), nullptr);
}

TEST_F(TemplatePage, MenuShortCutRightClickShowAndErrorsInHandlers) {
  auto observed = Make<TObservedTemplate>();
  EXPECT_FALSE(observed->UserKeyDown(kVkF12, scShift));
  EXPECT_FALSE(observed->UserKeyDown(kVkF12 - 1));
  EXPECT_TRUE(observed->UserKeyDown(kVkF12));
  observed->Fensterwechseln1->SetEnabled(false);
  EXPECT_FALSE(observed->UserKeyDown(kVkF12));
  observed->Fensterwechseln1->SetEnabled(true);

  // A right click on any control opens the page's menu.
  EXPECT_TRUE(observed->MemoHelpD->UserContextMenu(40, 50));
  EXPECT_TRUE(observed->HotSpeedButtonOK->UserContextMenu(41, 51));
  EXPECT_EQ(observed->PopupMenu1->PopupCount(), 2);
  EXPECT_EQ(observed->PopupMenu1->PopupX(), 41);

  observed->Show();
  observed->Show();  // already visible: no second show event
  EXPECT_TRUE(observed->Visible());
  observed->Close();
  EXPECT_FALSE(observed->Visible());
  observed->Show();
  EXPECT_EQ(observed->calls, (std::vector<std::string>{"switch", "show", "show"}));

  // An error in a click handler is reported and the page keeps going.
  observed->HotSpeedButtonInfo->UserClick();
  EXPECT_EQ(system.dialogs.Texts(), std::vector<std::string>{"Range check"});
  EXPECT_TRUE(observed->UserKeyDown(kVkF12));
}

TEST_F(TemplatePage, AHandlerMayDestroyThePageFromAClickAMessageOrABroadcast) {
  // From the menu shortcut.
  std::unique_ptr<TObservedTemplate> observed = Make<TObservedTemplate>();
  observed->onSwitch = [&] { TForm::Release(std::move(observed)); };
  EXPECT_TRUE(observed->UserKeyDown(kVkF12));
  EXPECT_EQ(observed, nullptr);
  EXPECT_EQ(system.desktop.TopLevelCount(), 0u);

  // From the same key arriving as a message: the page's window procedure goes on after its
  // default processing ran the handler that let the page go (a late touch shows under ASan).
  observed = Make<TObservedTemplate>();
  observed->onSwitch = [&] { TForm::Release(std::move(observed)); };
  TObservedTemplate* raw = observed.get();
  EXPECT_EQ(raw->Perform(kMessageKeyDown, kVkF12), 0);
  EXPECT_EQ(observed, nullptr);
  EXPECT_EQ(system.desktop.TopLevelCount(), 0u);

  // From a window message that reaches the page in a broadcast, next to another window.
  struct TClosingPage : TfrmTippTemplate {
    using TfrmTippTemplate::TfrmTippTemplate;
    void WndProc(TMessage& message) override {
      TfrmTippTemplate::WndProc(message);
      if (message.Msg == 0xC123 && message.WParam == 0) {
        Close();
        RequestDestroy();
      }
    }
  };
  std::unique_ptr<TClosingPage> closing = Make<TClosingPage>();
  auto other = Make<TfrmTippTemplate>();
  closing->SetDestroyRequest([&] { TForm::Release(std::move(closing)); });
  system.desktop.Broadcast(0xC123, 0, 0);
  EXPECT_EQ(closing, nullptr);
  EXPECT_EQ(system.desktop.TopLevelCount(), 1u);

  // From a click on one of its own buttons.
  struct TSelfDestroying : TfrmTippTemplate {
    using TfrmTippTemplate::TfrmTippTemplate;
    std::function<void()> onOk;
    void HotSpeedButtonOKClick(TComponent*) override { onOk(); }
  };
  std::unique_ptr<TSelfDestroying> clicked = Make<TSelfDestroying>();
  clicked->onOk = [&] { TForm::Release(std::move(clicked)); };
  THotSpeedButton* button = clicked->HotSpeedButtonOK;
  const auto token = button->LifeToken();
  button->UserClick();
  EXPECT_TRUE(token.expired());
  EXPECT_EQ(clicked, nullptr);
  EXPECT_TRUE(system.dialogs.Texts().empty());
}

TEST_F(TemplatePage, ButtonsShowTheirNormalImagesOnceTheListHoldsThem) {
  Create();
  page->ImageList1->Clear();
  for (int i = 0; i < 12; ++i)
    page->ImageList1->Add(Tile(i));
  THotSpeedButton* buttons[] = {page->HotSpeedButtonOK, page->HotSpeedButtonUndo,
                                page->HotSpeedButtonInfo, page->HotSpeedButtonRegistry};
  for (int i = 0; i < 4; ++i) {
    buttons[i]->SetImageList(page->ImageList1);
    TBitmap normal;
    TBitmap hot;
    page->ImageList1->GetBitmap(2 * i, normal);
    page->ImageList1->GetBitmap(2 * i + 1, hot);
    EXPECT_EQ(buttons[i]->Glyph(), normal) << i;
    buttons[i]->UserMouseEnter();
    EXPECT_EQ(buttons[i]->Glyph(), hot) << i;
    buttons[i]->UserMouseLeave();
    EXPECT_EQ(buttons[i]->Glyph(), normal) << i;
  }
}

TEST_F(TemplatePage, TheEmbeddedStripGivesEachButtonItsNormalImageAtCreation) {
  Create();
  ASSERT_EQ(page->ImageList1->Count(), 12);
  THotSpeedButton* buttons[] = {page->HotSpeedButtonOK, page->HotSpeedButtonUndo,
                                page->HotSpeedButtonInfo, page->HotSpeedButtonRegistry};
  for (int i = 0; i < 4; ++i) {
    TBitmap normal;
    page->ImageList1->GetBitmap(2 * i, normal);
    EXPECT_FALSE(normal.Empty());
    EXPECT_EQ(buttons[i]->Glyph(), normal) << i;
    TBitmap other;
    page->ImageList1->GetBitmap(2 * i + 1, other);
    EXPECT_NE(buttons[i]->Glyph(), other) << i;
  }
}

}  // namespace
}  // namespace pelk
