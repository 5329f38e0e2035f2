#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/gui/TComponent.h"
#include "platform/gui/TPanel.h"

namespace pelk {
namespace {

// Records what it is told and when it goes.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::vector<std::string>* log) : TComponent(owner), log_(log) {}
  ~Probe() override { log_->push_back("~" + Name()); }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    log_->push_back(Name() + (operation == TOperation::opRemove ? " remove " : " insert ") +
                    component->Name());
  }

 private:
  std::vector<std::string>* log_;
};

TEST(TComponent, OwnsItsComponentsAndDestroysThemLastFirst) {
  std::vector<std::string> log;
  auto root = std::make_unique<Probe>(nullptr, &log);
  root->SetName("root");
  auto* a = TComponent::Create<Probe>(root.get(), &log);
  a->SetName("a");
  auto* b = TComponent::Create<Probe>(root.get(), &log);
  b->SetName("b");
  auto* inner = TComponent::Create<Probe>(a, &log);
  inner->SetName("inner");
  ASSERT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(0), a);
  EXPECT_EQ(root->Components(1), b);
  EXPECT_EQ(root->FindComponent("B"), b);  // names compare without case
  EXPECT_EQ(root->FindComponent("inner"), nullptr);
  EXPECT_THROW(root->Components(2), EListError);
  EXPECT_THROW(root->Components(-1), EListError);
  EXPECT_THROW(b->SetName("A"), EInvalidOperation);

  log.clear();
  root.reset();
  // The owner's own part is gone by the time its components go, so only the live ones hear of
  // each removal: a passes the news of b on to inner before a itself goes.
  const std::vector<std::string> expected = {"~root",      "~b", "inner remove b",
                                             "a remove b", "~a", "~inner"};
  EXPECT_EQ(log, expected);
}

TEST(TComponent, FreeNotificationTellsLinkedComponentsOfRemovalOnly) {
  std::vector<std::string> log;
  auto page = std::make_unique<TComponent>(nullptr);
  auto* list = TComponent::Create<Probe>(page.get(), &log);
  list->SetName("list");
  auto other = std::make_unique<Probe>(nullptr, &log);
  other->SetName("other");
  list->FreeNotification(other.get());
  list->FreeNotification(other.get());  // twice is once

  log.clear();
  list->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"~list", "other remove list"}));
  EXPECT_EQ(page->ComponentCount(), 0);

  // The link goes both ways: destroying the watcher first leaves no dangling entry behind.
  auto* watched = TComponent::Create<Probe>(page.get(), &log);
  watched->SetName("watched");
  {
    auto watcher = std::make_unique<Probe>(nullptr, &log);
    watcher->SetName("watcher");
    watched->FreeNotification(watcher.get());
  }
  log.clear();
  watched->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"~watched"}));
  EXPECT_THROW(page->Free(), EInvalidOperation);  // it has no owner to leave
}

TEST(TComponent, LifeTokenExpiresWithTheComponent) {
  auto page = std::make_unique<TComponent>(nullptr);
  auto* panel = TComponent::Create<TPanel>(page.get());
  const auto token = panel->LifeToken();
  EXPECT_FALSE(token.expired());
  panel->Free();
  EXPECT_TRUE(token.expired());
}

}  // namespace
}  // namespace pelk
