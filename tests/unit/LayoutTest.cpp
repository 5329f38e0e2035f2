#include <gtest/gtest.h>

#include <memory>

#include "platform/Exception.h"
#include "platform/gui/TForm.h"
#include "platform/gui/TPanel.h"
#include "tests/unit/GuiTestSupport.h"

namespace pelk {
namespace {

TEST(Layout, EdgesAreTakenTopBottomLeftRightThenTheRestAndHiddenControlsTakeNothing) {
  test::GuiServices services;
  TForm form(services.Context());
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  auto make = [&](TAlign align, int size) {
    auto* panel = TComponent::Create<TPanel>(&form);
    panel->SetBounds(50, 50, size, size);
    panel->SetParent(&form);
    panel->SetAlign(align);
    return panel;
  };
  TPanel* client = make(TAlign::alClient, 1);
  TPanel* right = make(TAlign::alRight, 10);
  TPanel* top = make(TAlign::alTop, 7);
  TPanel* hidden = make(TAlign::alTop, 30);
  hidden->SetVisible(false);
  TPanel* bottom = make(TAlign::alBottom, 5);
  TPanel* left = make(TAlign::alLeft, 3);

  auto bounds = [](TControl* c) {
    return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
  };
  EXPECT_EQ(bounds(top), (std::vector<int>{0, 0, 200, 7}));
  EXPECT_EQ(bounds(bottom), (std::vector<int>{0, 95, 200, 5}));
  EXPECT_EQ(bounds(left), (std::vector<int>{0, 7, 3, 88}));
  EXPECT_EQ(bounds(right), (std::vector<int>{190, 7, 10, 88}));
  EXPECT_EQ(bounds(client), (std::vector<int>{3, 7, 187, 88}));

  hidden->SetVisible(true);  // showing it takes its band
  EXPECT_EQ(bounds(client), (std::vector<int>{3, 37, 187, 58}));
  // An aligned control keeps its thickness when asked for other bounds.
  top->SetBounds(40, 40, 40, 9);
  EXPECT_EQ(bounds(top), (std::vector<int>{0, 0, 200, 9}));
  // Leaving the alignment keeps the place it had; anchors then hold it at the top left.
  client->SetAlign(TAlign::alNone);
  form.SetClientWidth(300);
  EXPECT_EQ(client->Left(), 3);
  EXPECT_EQ(client->Width(), 187);
  EXPECT_EQ(right->Left(), 290);

  // Nested containers lay out their own children when they change size.
  auto* inner = TComponent::Create<TPanel>(&form);
  inner->SetParent(client);
  inner->SetAlign(TAlign::alBottom);
  inner->SetHeight(4);
  client->SetBounds(0, 0, 50, 20);
  EXPECT_EQ(bounds(inner), (std::vector<int>{0, 16, 50, 4}));
  left->Free();
  EXPECT_EQ(right->Left(), 290);
  EXPECT_EQ(hidden->Left(), 0);
  EXPECT_THROW(client->SetParent(inner), EInvalidOperation);  // no cycles
}

}  // namespace
}  // namespace pelk
