#include "platform/win32/Win32Dialogs.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

namespace pelk {

namespace {
const char* Caption(MsgDlgType type) {
  switch (type) {
    case MsgDlgType::Warning:
      return "Warnung";
    case MsgDlgType::Error:
      return "Fehler";
    case MsgDlgType::Information:
      return "Information";
    case MsgDlgType::Confirmation:
      return "Bestätigen";
    case MsgDlgType::Custom:
      break;
  }
  return "Pelk412";
}

int ResultOf(int id) {
  switch (id) {
    case IDYES:
      return mrYes;
    case IDNO:
      return mrNo;
    case IDOK:
      return mrOk;
    case IDCANCEL:
      return mrCancel;
    default:
      return mrNone;
  }
}
}  // namespace

unsigned MessageBoxStyle(MsgDlgType type, unsigned buttons) {
  unsigned style = MB_OK;
  const bool yesNo = (buttons & (mbYes | mbNo)) == (mbYes | mbNo);
  if (yesNo && (buttons & mbCancel)) {
    style = MB_YESNOCANCEL;
  } else if (yesNo) {
    style = MB_YESNO;
  } else if ((buttons & mbOK) && (buttons & mbCancel)) {
    style = MB_OKCANCEL;
  }
  switch (type) {
    case MsgDlgType::Warning:
      style |= MB_ICONWARNING;
      break;
    case MsgDlgType::Error:
      style |= MB_ICONERROR;
      break;
    case MsgDlgType::Information:
      style |= MB_ICONINFORMATION;
      break;
    case MsgDlgType::Confirmation:
      style |= MB_ICONQUESTION;
      break;
    case MsgDlgType::Custom:
      break;
  }
  return style;
}

void Win32Dialogs::ShowMessage(const std::string& text) {
  MessageBoxW(GetActiveWindow(), Utf16(text).c_str(), Utf16(Caption(MsgDlgType::Custom)).c_str(),
              MB_OK);
}

int Win32Dialogs::MessageDlg(const std::string& text, MsgDlgType type, unsigned buttons,
                             int /*helpContext*/) {
  return ResultOf(MessageBoxW(GetActiveWindow(), Utf16(text).c_str(), Utf16(Caption(type)).c_str(),
                              MessageBoxStyle(type, buttons)));
}

}  // namespace pelk
