#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace pelk {

// Message boxes that a test answers: records every box, answers MessageDlg from a queue (mrNo
// when it is empty) and can act while a box is "open".
class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    bool isMessageDlg;
    std::string text;
    MsgDlgType type;
    unsigned buttons;
    int helpContext;
  };

  void ShowMessage(const std::string& text) override;
  int MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons,
                 int helpContext) override;

  std::vector<Shown> Boxes;
  std::deque<int> Answers;
  // Runs while each box is open, with its text.
  std::function<void(const std::string&)> WhileOpen;

  // The texts of all boxes, in order.
  std::vector<std::string> Texts() const;
};

}  // namespace pelk
