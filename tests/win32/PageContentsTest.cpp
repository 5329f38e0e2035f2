// What the shown page holds: the host's caption in the title, both help texts with only the
// page language's one visible, the check box caption of that language.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include "collection/MvxHelp/MvxHelp.h"
#include "tests/win32/OpenPage.h"

namespace pelk {
namespace {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// One page in each language, one after the other.
class PageContents : public OpenPage {
 protected:
  PageContents() : OpenPage(MakePage::ByTheTest) {}
};

TEST_F(PageContents, TitleHelpTextsAndCaptionsFollowTheHostAndTheLanguage) {
  for (int language : {0, 1}) {
    SCOPED_TRACE(language);
    arguments.caption = language == 1 ? "Pelk412 contents English" : "Pelk412 Inhalt \xC4\xD6\xDC";
    arguments.language = language;
    ASSERT_TRUE(CreatePage());

    HWND title = FindChildByText(page, arguments.caption);
    ASSERT_NE(title, nullptr) << "the title shows the host's caption";
    EXPECT_TRUE(IsWindowVisible(title));

    HWND german = FindChildByText(page, GetHelpText(412, 2));
    HWND english = FindChildByText(page, GetHelpText(412, 4));
    ASSERT_NE(german, nullptr) << "both help texts are loaded whatever the language";
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(IsWindowVisible(german) != FALSE, language != 1);
    EXPECT_EQ(IsWindowVisible(english) != FALSE, language == 1);
    for (HWND memo : {german, english}) {
      const LONG style = GetWindowLongA(memo, GWL_STYLE);
      EXPECT_TRUE(style & ES_READONLY);
      EXPECT_TRUE(style & WS_VSCROLL) << "a long help text can be scrolled";
    }
    EXPECT_EQ(WindowText(german), GetHelpText(412, 2));

    HWND box = PageCheckBox(page, language);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), language == 1 ? "Show Contextmenu for File-Operations"
                                             : "Kontextmen\xFC f\xFCr Datei-Operationen anzeigen");
    EXPECT_EQ(PageCheckBox(page, 1 - language), nullptr);
    EXPECT_EQ(session.ModulFree(), 1);
  }
}

}  // namespace
}  // namespace pelk
