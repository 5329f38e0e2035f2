#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "module/exports/Module.h"
#include "platform/headless/HeadlessSystem.h"
#include "tests/HostProtocol.h"

namespace pelk {
namespace {

// A page double that records what the module asks of it.
struct PageLog {
  int created = 0;
  int saved = 0;
  int destroyed = 0;
  int deleted = 0;
  bool failSave = false;
  bool failDestroy = false;
  ModuleState seenAtCreation;
};

class LoggingPage : public ModulePage {
 public:
  explicit LoggingPage(PageLog& log) : log_(log) {}
  ~LoggingPage() override { ++log_.deleted; }
  void SaveChanges() override {
    if (log_.failSave)
      throw std::runtime_error("refused");
    ++log_.saved;
  }
  void Destroy() override {
    ++log_.destroyed;
    if (log_.failDestroy)
      throw std::runtime_error("cannot close");
  }

 private:
  PageLog& log_;
};

PageFactory LoggingFactory(PageLog& log) {
  return [&log](SystemServices&, ModuleState& state, const PageParameters&, PageDestroyRequest) {
    ++log.created;
    log.seenAtCreation = state;
    return std::make_unique<LoggingPage>(log);
  };
}

TEST(Module, CreateStoresTheStateAndCopiesTheStrings) {
  HeadlessSystem system;
  SystemServices services = system.Services();
  Module module(services);
  std::string caption(64 * 1024, 'c');
  caption[0] = '\xE4';  // the host's ANSI code page: Windows-1252 here
  std::string hint = "Hinweis";
  EXPECT_EQ(module.ModulCreate(10, 20, 300, 400, kOsTypeXp, 1, caption.c_str(), hint.c_str(),
                               kXpBit, 412),
            0);
  caption.assign("overwritten by the host");
  hint.clear();
  EXPECT_EQ(module.State().Language, 1);
  EXPECT_EQ(module.State().OsType, kOsTypeXp);
  EXPECT_EQ(module.State().ValidOsMask, kXpBit);
  const PageParameters& p = module.Parameters();
  ASSERT_EQ(p.Caption.size(), 64u * 1024u + 1u);
  EXPECT_EQ(p.Caption.substr(0, 2), "ä");
  EXPECT_EQ(p.Caption.find_first_not_of('c', 2), std::string::npos);
  EXPECT_EQ(p.Hint, "Hinweis");
  EXPECT_EQ(p.Left, 10);
  EXPECT_EQ(p.Top, 20);
  EXPECT_EQ(p.Width, 300);
  EXPECT_EQ(p.Height, 400);
  EXPECT_EQ(p.HelpId, 412);
  EXPECT_FALSE(module.HasPage());  // nothing visible without a page factory
  EXPECT_TRUE(system.desktop.Broadcasts.empty());

  EXPECT_EQ(module.ModulCreate(0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, 0), 0);
  EXPECT_EQ(module.Parameters().Caption, "");
  EXPECT_EQ(module.Parameters().Hint, "");
  EXPECT_EQ(module.State().Language, 0);
}

TEST(Module, ChangedAndNrFollowTheStateBeforeAndAfterCreate) {
  HeadlessSystem system;
  SystemServices services = system.Services();
  Module module(services);
  EXPECT_EQ(module.ModulChanged(), 0);
  EXPECT_EQ(module.ModulNr(), 2);
  EXPECT_EQ(module.ModulSaveChanges(), 0);  // no page: nothing applied
  EXPECT_EQ(module.ModulFree(), 1);
  module.ModulCreate(0, 0, 292, 426, kOsTypeXp, 0, "Titel", "", kXpBit, 412);
  EXPECT_EQ(module.ModulChanged(), 0);
  module.State().TippSaved = true;
  EXPECT_EQ(module.ModulChanged(), 0);
  module.State().TippChanged = true;
  EXPECT_EQ(module.ModulChanged(), 2);
  module.State().TippSaved = false;
  EXPECT_EQ(module.ModulChanged(), 1);
  module.State().RestoreDefaults = true;
  EXPECT_EQ(module.ModulNr(), 1);
  EXPECT_EQ(module.ModulFree(), 1);
  EXPECT_EQ(module.ModulFree(), 1);
  EXPECT_EQ(module.ModulNr(), 1);  // the state outlives the page
}

TEST(Module, PageIsBuiltAfterTheStateAndDrivenUntilFreed) {
  HeadlessSystem system;
  SystemServices services = system.Services();
  PageLog log;
  Module module(services, LoggingFactory(log));
  module.ModulCreate(1, 2, 3, 4, kOsTypeNt, 1, "c", "h", kNtBit, 7);
  EXPECT_EQ(log.created, 1);
  EXPECT_EQ(log.seenAtCreation.OsType, kOsTypeNt);
  EXPECT_EQ(log.seenAtCreation.ValidOsMask, kNtBit);
  EXPECT_EQ(log.seenAtCreation.Language, 1);
  EXPECT_EQ(module.ModulSaveChanges(), 1);
  EXPECT_EQ(log.saved, 1);

  log.failSave = true;
  EXPECT_EQ(module.ModulSaveChanges(), 0);  // a refused write never reaches the host
  EXPECT_TRUE(module.HasPage());

  module.ModulCreate(1, 2, 3, 4, kOsTypeNt, 1, "c", "h", kNtBit, 7);  // again: the first page goes
  EXPECT_EQ(log.created, 2);
  EXPECT_EQ(log.deleted, 1);

  log.failDestroy = true;
  EXPECT_EQ(module.ModulFree(), 0);
  EXPECT_EQ(log.deleted, 2) << "the page is gone even when closing it failed";
  EXPECT_EQ(module.ModulFree(), 1);
  EXPECT_EQ(module.ModulSaveChanges(), 0);
  EXPECT_EQ(log.destroyed, 2);
}

TEST(Module, FailingPageCreationIsSwallowed) {
  HeadlessSystem system;
  SystemServices services = system.Services();
  Module module(services,
                [](SystemServices&, ModuleState&, const PageParameters&,
                   PageDestroyRequest) -> std::unique_ptr<ModulePage> {
                  throw std::runtime_error("form resource broken");
                });
  EXPECT_EQ(module.ModulCreate(0, 0, 0, 0, 1, 0, "x", "y", 1, 1), 0);
  EXPECT_FALSE(module.HasPage());
  EXPECT_EQ(module.State().OsType, 1);
  EXPECT_EQ(module.ModulFree(), 1);
}

TEST(Module, DestroyingTheModuleDestroysItsPage) {
  HeadlessSystem system;
  SystemServices services = system.Services();
  PageLog log;
  {
    Module module(services, LoggingFactory(log));
    module.ModulCreate(0, 0, 0, 0, 1, 0, "x", "y", 1, 1);
  }
  EXPECT_EQ(log.destroyed, 1);
  EXPECT_EQ(log.deleted, 1);
}

}  // namespace
}  // namespace pelk
