#pragma once
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/HelpTexts.h"

namespace pelk {

// Help texts by (help id, kind); a missing entry or a null (nullopt) one reads as "".
class ScriptedHelpTexts : public HelpTexts {
 public:
  std::string GetHelpText(int helpId, int kind) override {
    Requests.emplace_back(helpId, kind);
    const auto found = Texts.find({helpId, kind});
    if (found == Texts.end() || !found->second)
      return std::string();
    return *found->second;
  }

  std::map<std::pair<int, int>, std::optional<std::string>> Texts;
  std::vector<std::pair<int, int>> Requests;
};

}  // namespace pelk
