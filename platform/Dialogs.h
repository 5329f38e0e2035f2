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

// Modal message boxes. Texts are UTF-8.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual int MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons,
                         int helpContext) = 0;

  // Tells the user of a failure, in a message box. One report at a time: the box's modal loop
  // goes on dispatching messages, and a failure they raise meanwhile is dropped (and counted)
  // instead of opening a box on top, which a stream of bad messages would repeat until the
  // thread's stack ran out. Never raises.
  void ReportError(const std::string& text) noexcept;
  // Reports dropped while another was open, since the library was loaded.
  int DroppedReports() const { return droppedReports_; }

 private:
  bool reporting_ = false;
  int droppedReports_ = 0;
};

}  // namespace pelk
