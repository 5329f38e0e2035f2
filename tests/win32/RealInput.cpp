#include "tests/win32/RealInput.h"

#include "tests/win32/PageSession.h"

namespace pelk {

namespace {

bool SendOne(INPUT input) {
  return SendInput(1, &input, sizeof input) == 1;
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT KeyInput(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
  input.ki.dwFlags = flags;
  return input;
}

// Delivers what the input queued for this thread's windows.
void DrainInput() {
  PumpUntil([] { return GetQueueStatus(QS_INPUT) == 0; }, 1000);
}

POINT ToScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

}  // namespace

bool WindowIsAt(HWND window, POINT client) {
  HWND under = WindowFromPoint(ToScreen(window, client));
  return under && GetAncestor(under, GA_ROOT) == window;
}

bool MovePointerTo(HWND window, POINT client) {
  if (!PumpUntil([&] { return WindowIsAt(window, client); }, 2000))
    return false;
  const POINT screen = ToScreen(window, client);
  if (!SetCursorPos(screen.x, screen.y))
    return false;
  // A relative move of nothing makes sure the window hears of the pointer's arrival.
  const bool sent = SendOne(MouseInput(MOUSEEVENTF_MOVE));
  DrainInput();
  POINT now{};
  GetCursorPos(&now);
  return sent && now.x == screen.x && now.y == screen.y;
}

void MovePointerAway() {
  SetCursorPos(0, 0);
  SendOne(MouseInput(MOUSEEVENTF_MOVE));
  DrainInput();
}

namespace {

bool PressButtonAt(HWND window, POINT client, DWORD downFlag, DWORD upFlag) {
  if (!MovePointerTo(window, client))
    return false;
  const bool down = SendOne(MouseInput(downFlag));
  const bool up = SendOne(MouseInput(upFlag));
  DrainInput();
  return down && up;
}

}  // namespace

bool ClickAt(HWND window, POINT client) {
  return PressButtonAt(window, client, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

bool RightClickAt(HWND window, POINT client) {
  return PressButtonAt(window, client, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

bool MiddleClickAt(HWND window, POINT client) {
  return PressButtonAt(window, client, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
}

bool PressKey(WORD virtualKey, WORD modifier) {
  const bool held = modifier == 0 || SendOne(KeyInput(modifier, 0));
  const bool down = SendOne(KeyInput(virtualKey, 0));
  const bool up = SendOne(KeyInput(virtualKey, KEYEVENTF_KEYUP));
  const bool released = modifier == 0 || SendOne(KeyInput(modifier, KEYEVENTF_KEYUP));
  DrainInput();
  return held && down && up && released;
}

namespace {

DWORD WINAPI PickerThread(void* picker) {
  static_cast<MenuPicker*>(picker)->Work();
  return 0;
}

void PressKeyFromHelper(WORD virtualKey) {
  // The menu's loop runs on the page's thread and reads the system's input queue.
  INPUT inputs[2] = {KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP)};
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace

MenuPicker::MenuPicker() {
  thread_ = CreateThread(nullptr, 0, &PickerThread, this, 0, nullptr);
}

MenuPicker::~MenuPicker() {
  Join();
}

void MenuPicker::Join() {
  if (thread_ == nullptr)
    return;
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

void MenuPicker::Work() {
  for (int i = 0; i < 200; ++i) {
    HWND menu = FindVisibleWindow("#32768", 0);
    if (menu != nullptr) {
      seen_ = true;
      HMENU handle = reinterpret_cast<HMENU>(SendMessageA(menu, 0x01E1, 0, 0));  // MN_GETHMENU
      char text[64] = {};
      GetMenuStringA(handle, 0, text, sizeof text, MF_BYPOSITION);
      entry_ = text;
      PressKeyFromHelper(VK_DOWN);
      Sleep(50);
      PressKeyFromHelper(VK_RETURN);
      return;
    }
    Sleep(20);
  }
}

}  // namespace pelk
