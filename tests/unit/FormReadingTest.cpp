#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "platform/gui/TCheckBox.h"
#include "platform/gui/TPanel.h"
#include "template/TfrmTippTemplate.h"
#include "tests/unit/GuiTestSupport.h"

namespace pelk {
namespace {

using test::GuiServices;

class FormReading : public ::testing::Test {
 protected:
  std::unique_ptr<TfrmTippTemplate> Page() {
    return CreateForm<TfrmTippTemplate>(services.Services(), state);
  }
  GuiServices services;
  ModuleState state;
};

TEST_F(FormReading, TheEmbeddedTemplateResourceIsThere) {
  const auto text = FindResourceData("TFRMTIPPTEMPLATE");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->substr(0, 41), "object frmTippTemplate: TfrmTippTemplate\n");
  EXPECT_FALSE(FindResourceData("NO_SUCH_RESOURCE").has_value());
}

TEST_F(FormReading, ValuesStringsSetsListsAndComments) {
  auto page = Page();
  page->ReadFormText(
      "inherited X: TfrmTippTemplate // the page\n"
      "  Caption = 'It''s '#228'rger'#13#10'line'\n"
      "  Tag = -$10\n"
      "  inherited MemoHelpD: TMemo\n"
      "    Lines.Strings = (\n"
      "      'one'\n"
      "      'two')\n"
      "    Anchors = []\n"
      "    Font.Style = [fsBold, fsItalic]\n"
      "    Color = clBtnFace\n"
      "    Cursor = -21\n"
      "  end\n"
      "end\n",
      "TEST");
  EXPECT_EQ(page->Caption(), "It's ärger\r\nline");
  EXPECT_EQ(page->Tag(), -16);
  EXPECT_EQ(page->MemoHelpD->Text(), "one\r\ntwo");
  EXPECT_EQ(page->MemoHelpD->Anchors(), 0u);
  EXPECT_EQ(page->MemoHelpD->Font().Style, fsBold | fsItalic);
  EXPECT_FALSE(page->MemoHelpD->ParentFont());
  EXPECT_EQ(page->MemoHelpD->Color(), clBtnFace);
  EXPECT_EQ(page->MemoHelpD->Cursor(), crHandPoint);
}

TEST_F(FormReading, TabOrdersReadAreSortedStablyOnceReadingEnds) {
  auto page = Page();
  page->ReadFormText(
      "inherited X: TfrmTippTemplate\n"
      "  object A: TPanel\n"
      "    TabOrder = 9\n"
      "  end\n"
      "  object B: TPanel\n"
      "    TabOrder = 0\n"
      "  end\n"
      "  object C: TPanel\n"
      "    TabOrder = 9\n"
      "  end\n"
      "  object D: TPanel\n"
      "    TabOrder = 8\n"
      "  end\n"
      "end\n",
      "TEST");
  std::vector<std::string> order;
  for (const TWinControl* control : page->TabList())
    order.push_back(control->Name());
  // Equal wishes keep the order they were read in: B shares place 0 with the right border read
  // before it, A and C share the last place, and D's 8 puts it before them.
  const std::vector<std::string> expected = {"PanelRightBorder",
                                             "B",
                                             "PanelLeftBorder",
                                             "PanelTopBorder",
                                             "PanelBottomBorder",
                                             "MemoHelpD",
                                             "StaticTextTitle",
                                             "MemoHelpUS",
                                             "D",
                                             "A",
                                             "C"};
  EXPECT_EQ(order, expected);
  for (int i = 0; i < static_cast<int>(page->TabList().size()); ++i)
    EXPECT_EQ(page->TabList()[static_cast<std::size_t>(i)]->TabOrder(), i);
}

TEST_F(FormReading, ReferencesMayPointForwardAndAreSetAfterTheWholeResource) {
  auto page = Page();
  page->ReadFormText(
      "inherited X: TfrmTippTemplate\n"
      "  PopupMenu = Later\n"
      "  object Later: TPopupMenu\n"
      "    object Item: TMenuItem\n"
      "      object Sub: TMenuItem\n"
      "        ShortCut = 8315\n"  // Shift+F12
      "      end\n"
      "    end\n"
      "  end\n"
      "end\n",
      "TEST");
  auto* later = dynamic_cast<TPopupMenu*>(page->FindComponent("Later"));
  ASSERT_NE(later, nullptr);
  EXPECT_EQ(page->PopupMenu(), later);
  EXPECT_EQ(later->Items().Items(0)->Items(0)->Name(), "Sub");
  EXPECT_EQ(later->Items().FindShortCut(kVkF12 | scShift)->Name(), "Sub");
  later->Free();
  EXPECT_EQ(page->PopupMenu(), nullptr);  // the page let go of the destroyed menu
}

TEST_F(FormReading, MalformedResourcesFailWithTheirLineAndLeaveThePageUsable) {
  const char* const broken[] = {
      "",
      "object",
      "object X TfrmTippTemplate\nend\n",
      "object X: TForm2\nend\n",
      "object X: TfrmTippTemplate\n",
      "object X: TfrmTippTemplate\nend\nend\n",
      "object X: TfrmTippTemplate\n  Nonsense = 1\nend\n",
      "object X: TfrmTippTemplate\n  Left = 'text'\nend\n",
      "object X: TfrmTippTemplate\n  Left = 99999999999\nend\n",
      "object X: TfrmTippTemplate\n  Left = 123456789012345678901234567890\nend\n",
      "object X: TfrmTippTemplate\n  Left =\nend\n",
      "object X: TfrmTippTemplate\n  Caption = 'open\nend\n",
      "object X: TfrmTippTemplate\n  Caption = #300\nend\n",
      "object X: TfrmTippTemplate\n  Visible = Yes\nend\n",
      "object X: TfrmTippTemplate\n  BorderIcons = [biNothing]\nend\n",
      "object X: TfrmTippTemplate\n  BorderIcons = [biMinimize\nend\n",
      "object X: TfrmTippTemplate\n  Color = clNoColour\nend\n",
      "object X: TfrmTippTemplate\n  OnCreate = NoSuchHandler\nend\n",
      "object X: TfrmTippTemplate\n  PopupMenu = Nobody\nend\n",
      "object X: TfrmTippTemplate\n  PopupMenu = ImageList1\nend\n",
      "object X: TfrmTippTemplate\n  object A: TUnknown\n  end\nend\n",
      "object X: TfrmTippTemplate\n  object MemoHelpD: TMemo\n  end\nend\n",
      "object X: TfrmTippTemplate\n  inherited Missing: TMemo\n  end\nend\n",
      "object X: TfrmTippTemplate\n  inherited MemoHelpD: TPanel\n  end\nend\n",
      "object X: TfrmTippTemplate\n  object M: TMenuItem\n  end\nend\n",
      "object X: TfrmTippTemplate\n  inherited MemoHelpD: TMemo\n"
      "    object I: TImageList\n    end\n  end\nend\n",
      "object X: TfrmTippTemplate\n  inherited PopupMenu1: TPopupMenu\n"
      "    object P: TPanel\n    end\n  end\nend\n",
      "object X: TfrmTippTemplate\n  Lines.Strings = ('a')\nend\n",
      "object X: TfrmTippTemplate\n  inherited MemoHelpD: TMemo\n    Lines.Strings = ('a' 3)\n"
      "  end\nend\n",
      "object X: TfrmTippTemplate\n  Caption = 'a' ~\nend\n",
  };
  for (const char* text : broken) {
    auto page = Page();
    const int before = page->ComponentCount();
    try {
      page->ReadFormText(text, "BROKEN");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const FormError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("BROKEN(", 0), 0u) << error.what();
    }
    EXPECT_EQ(page->ComponentCount(), before) << text;
    page->HotSpeedButtonOK->UserMouseEnter();  // still whole
  }
}

// Each class's placement rule refuses a component out of place before it is made: the page is
// never told of it coming or going. The hot button's rule is its ancestor TControl's.
TEST_F(FormReading, AComponentOutOfPlaceIsRefusedBeforeItExists) {
  class TWatchedPage : public TfrmTippTemplate {
   public:
    using TfrmTippTemplate::TfrmTippTemplate;
    void Notification(TComponent* component, TOperation operation) override {
      if (operation == TOperation::opInsert)
        ++inserted;
      TfrmTippTemplate::Notification(component, operation);
    }
    int inserted = 0;
  };
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"inherited X: TfrmTippTemplate\n  object M: TMenuItem\n  end\nend\n",
       "): M needs a menu around it"},
      {"inherited X: TfrmTippTemplate\n  inherited MemoHelpD: TMemo\n"
       "    object I: TImageList\n    end\n  end\nend\n",
       "): I belongs on the page itself"},
      {"inherited X: TfrmTippTemplate\n  inherited PopupMenu1: TPopupMenu\n"
       "    object B: THotSpeedButton\n    end\n  end\nend\n",
       "): B needs a windowed control around it"},
  };
  for (const auto& refused : cases) {
    auto page = CreateForm<TWatchedPage>(services.Services(), state);
    page->inserted = 0;
    try {
      page->ReadFormText(refused.text, "OUT");
      ADD_FAILURE() << "accepted: " << refused.text;
    } catch (const FormError& error) {
      EXPECT_THAT(error.what(), ::testing::EndsWith(refused.error));
    }
    EXPECT_EQ(page->inserted, 0) << refused.text;
  }
}

TEST_F(FormReading, DeepNestingIsRefused) {
  std::string text = "object X: TfrmTippTemplate\n  inherited PopupMenu1: TPopupMenu\n";
  for (int i = 0; i < 40; ++i)
    text += "object I" + std::to_string(i) + ": TMenuItem\n";
  for (int i = 0; i < 42; ++i)
    text += "end\n";
  auto page = Page();
  EXPECT_THROW(page->ReadFormText(text, "DEEP"), FormError);
}

TEST_F(FormReading, ACheckBoxStateFromTheResourceFiresNothingButLaterChangesDo) {
  auto page = Page();
  int clicks = 0;
  page->ReadFormText(
      "inherited X: TfrmTippTemplate\n"
      "  object Box: TCheckBox\n"
      "    Checked = True\n"
      "  end\n"
      "end\n",
      "TEST");
  auto* box = dynamic_cast<TCheckBox*>(page->FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->Checked());
  box->SetOnClick([&](TComponent* sender) {
    EXPECT_EQ(sender, box);
    ++clicks;
  });
  box->SetChecked(true);
  EXPECT_EQ(clicks, 0);
  box->SetChecked(false);
  box->UserClick();
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(box->Checked());
}

}  // namespace
}  // namespace pelk
