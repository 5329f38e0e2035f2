#pragma once
#include <string>

namespace pelk {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Button set of MessageDlg, a bit each.
enum MsgDlgButton : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
};

// Results of MessageDlg: the button that closed it.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// Modal message boxes. Texts are Windows-1252.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual int MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons,
                         int helpContext) = 0;
};

}  // namespace pelk
