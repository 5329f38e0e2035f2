#pragma once
#include <cstddef>
#include <string>

namespace pelk {

// Kinds of text the collection's help service holds per help id.
constexpr int kHelpTextGerman = 2;
constexpr int kHelpTextEnglish = 4;
constexpr int kHelpTextRegistryKey = 5;

// A bound on what is read of a help text, far above any real one (a few KB): only a text without
// its terminating zero meets it, and is cut there instead of read without end.
constexpr std::size_t kMaxHelpTextBytes = 1024 * 1024;

// The collection's help text service (GetHelpText of MvxHelp.dll).
class HelpTexts {
 public:
  virtual ~HelpTexts() = default;
  // A copy of the text (UTF-8; the service hands out Windows-1252 whatever the system's code
  // page); a text the service does not have is empty.
  virtual std::string GetHelpText(int helpId, int kind) = 0;
};

}  // namespace pelk
