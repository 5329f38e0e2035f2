#include "platform/headless/ScriptedDialogs.h"

namespace pelk {

void ScriptedDialogs::ShowMessage(const std::string& text) {
  Boxes.push_back({false, text, MsgDlgType::Custom, mbOK, 0});
  if (WhileOpen)
    WhileOpen(text);
}

int ScriptedDialogs::MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons,
                                int helpContext) {
  Boxes.push_back({true, text, type, buttons, helpContext});
  if (WhileOpen)
    WhileOpen(text);
  if (Answers.empty())
    return mrNo;
  const int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::vector<std::string> ScriptedDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& box : Boxes)
    texts.push_back(box.text);
  return texts;
}

}  // namespace pelk
