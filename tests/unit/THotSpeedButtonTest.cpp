#include <gtest/gtest.h>

#include <memory>

#include "controls/THotSpeedButton.h"
#include "platform/gui/TForm.h"
#include "tests/unit/GuiTestSupport.h"

namespace pelk {
namespace {

using test::GuiServices;
using test::Tile;

// An image list that comes with twelve generated tiles, so a resource can refer to a filled list.
class TTileList : public TImageList {
 public:
  explicit TTileList(TComponent* owner) : TImageList(owner) {
    SetWidth(32);
    SetHeight(32);
    for (int i = 0; i < 12; ++i)
      Add(Tile(i));
  }
  static const ClassInfo& StaticClass() {
    static const ClassInfo info{
        "TTileList", &TImageList::StaticClass(), &detail::CreateOwned<TTileList>, {}, {}, {}, {}};
    return info;
  }
  const ClassInfo& Class() const override { return StaticClass(); }
};

class TButtonPage : public TForm {
 public:
  using TForm::TForm;
  static const ClassInfo& StaticClass() {
    static const ClassInfo info{
        "TButtonPage",
        &TForm::StaticClass(),
        nullptr,
        {},
        {},
        {},
        {&THotSpeedButton::StaticClass, &TTileList::StaticClass},
        nullptr,
        // Images comes after ImageIndex, and the list is created after the buttons.
        "object ButtonPage: TButtonPage\n"
        "  object Plain: THotSpeedButton\n"
        "    Left = 16\n"
        "    Top = 381\n"
        "    Images = Tiles\n"
        "    ImageIndex = 4\n"
        "    HotImageIndex = 5\n"
        "  end\n"
        "  object Sized: THotSpeedButton\n"
        "    Width = 20\n"
        "    Height = 24\n"
        "    Flat = False\n"
        "    Images = Tiles\n"
        "  end\n"
        "  object Tiles: TTileList\n"
        "  end\n"
        "end\n"};
    return info;
  }
  const ClassInfo& Class() const override { return StaticClass(); }
  THotSpeedButton& Button(const char* name) {
    return *dynamic_cast<THotSpeedButton*>(FindComponent(name));
  }
};

TBitmap ImageOf(const TImageList& list, int index) {
  TBitmap bitmap;
  list.GetBitmap(index, bitmap);
  return bitmap;
}

TEST(THotSpeedButton, CreatedInCodeIsFlat36By36WithoutPictureAndStillShowsTheHand) {
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* button = TComponent::Create<THotSpeedButton>(owner.get());
  EXPECT_EQ(button->Width(), 36);
  EXPECT_EQ(button->Height(), 36);
  EXPECT_TRUE(button->Flat());
  EXPECT_TRUE(button->Glyph().Empty());
  EXPECT_EQ(button->ImageIndex(), 0);
  EXPECT_EQ(button->HotImageIndex(), 0);
  EXPECT_EQ(button->GetImageList(), nullptr);
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(button->Cursor(), crHandPoint);
  EXPECT_TRUE(button->Glyph().Empty());
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(button->Cursor(), crDefault);
}

TEST(THotSpeedButton, FromAResourceTakesClassDefaultsAndItsNormalImageOnceReferencesAreSet) {
  GuiServices services;
  auto page = CreateForm<TButtonPage>(services.Context());
  auto* tiles = dynamic_cast<TImageList*>(page->FindComponent("Tiles"));
  THotSpeedButton& plain = page->Button("Plain");
  EXPECT_EQ(plain.Width(), 36);
  EXPECT_EQ(plain.Height(), 36);
  EXPECT_TRUE(plain.Flat());
  EXPECT_EQ(plain.GetImageList(), tiles);
  EXPECT_EQ(plain.Glyph(), ImageOf(*tiles, 4));

  THotSpeedButton& sized = page->Button("Sized");
  EXPECT_EQ(sized.Width(), 20);
  EXPECT_EQ(sized.Height(), 24);
  EXPECT_FALSE(sized.Flat());
  EXPECT_EQ(sized.ImageIndex(), 0);  // omitted indexes stay 0
  EXPECT_EQ(sized.HotImageIndex(), 0);
  EXPECT_EQ(sized.Glyph(), ImageOf(*tiles, 0));
}

TEST(THotSpeedButton, HoverSwapsImagesAndCursorAlsoWhenDisabled) {
  GuiServices services;
  auto page = CreateForm<TButtonPage>(services.Context());
  auto* tiles = dynamic_cast<TImageList*>(page->FindComponent("Tiles"));
  THotSpeedButton& plain = page->Button("Plain");
  plain.SetCursor(crArrow);
  plain.SetEnabled(false);
  plain.UserMouseEnter();
  EXPECT_EQ(plain.Glyph(), ImageOf(*tiles, 5));
  EXPECT_EQ(plain.Cursor(), crHandPoint);
  EXPECT_TRUE(plain.MouseInControl());

  // ImageIndex shows the normal image at once, even under the pointer; a new hot index waits
  // for the next enter.
  plain.SetImageIndex(6);
  EXPECT_EQ(plain.Glyph(), ImageOf(*tiles, 6));
  plain.SetHotImageIndex(7);
  EXPECT_EQ(plain.Glyph(), ImageOf(*tiles, 6));
  plain.UserMouseLeave();
  EXPECT_EQ(plain.Glyph(), ImageOf(*tiles, 6));
  EXPECT_EQ(plain.Cursor(), crDefault);  // whatever it was before
  plain.UserMouseEnter();
  EXPECT_EQ(plain.Glyph(), ImageOf(*tiles, 7));

  // An index the list does not hold shows nothing and harms nothing.
  plain.SetHotImageIndex(99);
  plain.UserMouseLeave();
  plain.UserMouseEnter();
  EXPECT_TRUE(plain.Glyph().Empty());
  plain.SetImageIndex(-3);
  EXPECT_TRUE(plain.Glyph().Empty());
}

TEST(THotSpeedButton, DestroyingTheListEmptiesEveryGlyphAndOtherRemovalsChangeNothing) {
  GuiServices services;
  auto page = CreateForm<TButtonPage>(services.Context());
  THotSpeedButton& plain = page->Button("Plain");
  THotSpeedButton& sized = page->Button("Sized");

  // A removal notice about some other component leaves the button as it was.
  const TBitmap before = plain.Glyph();
  auto* stranger = TComponent::Create<TImageList>(page.get());
  stranger->Add(Tile(40));
  plain.Notification(stranger, TOperation::opRemove);
  plain.Notification(plain.GetImageList(), TOperation::opInsert);
  EXPECT_EQ(plain.Glyph(), before);
  EXPECT_NE(plain.GetImageList(), nullptr);

  // A list that was assigned before the current one is not watched any more.
  plain.SetImageList(stranger);
  auto* tiles = dynamic_cast<TImageList*>(page->FindComponent("Tiles"));
  plain.SetImageList(tiles);
  stranger->Free();
  EXPECT_EQ(plain.GetImageList(), tiles);

  tiles->Free();
  EXPECT_EQ(plain.GetImageList(), nullptr);
  EXPECT_EQ(sized.GetImageList(), nullptr);
  EXPECT_TRUE(plain.Glyph().Empty());
  EXPECT_TRUE(sized.Glyph().Empty());
  plain.UserMouseEnter();
  EXPECT_TRUE(plain.Glyph().Empty());
  EXPECT_EQ(plain.Cursor(), crHandPoint);
}

}  // namespace
}  // namespace pelk
