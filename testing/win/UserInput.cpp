#include "testing/win/UserInput.h"

#include <vector>

namespace {

INPUT KeyInput(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT>& inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void SendText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char ch : text) {
    const SHORT scan = ::VkKeyScanA(ch);
    const bool shift = (scan & 0x100) != 0;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(LOBYTE(scan), false));
    inputs.push_back(KeyInput(LOBYTE(scan), true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  }
  Send(inputs);
}

void SendKey(WORD vk, int count) {
  std::vector<INPUT> inputs;
  for (int i = 0; i < count; ++i) {
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
  }
  Send(inputs);
}

void SendChord(WORD modifier, WORD vk, int count) {
  std::vector<INPUT> inputs = {KeyInput(modifier, false)};
  for (int i = 0; i < count; ++i) {
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
  }
  inputs.push_back(KeyInput(modifier, true));
  Send(inputs);
}

void SendShortcut(WORD modifier1, WORD modifier2, WORD vk) {
  std::vector<INPUT> inputs = {KeyInput(modifier1, false), KeyInput(modifier2, false),
                               KeyInput(vk, false),        KeyInput(vk, true),
                               KeyInput(modifier2, true),  KeyInput(modifier1, true)};
  Send(inputs);
}

INPUT MouseButtonInput(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT MouseMoveInput(POINT screen) {
  // Absolute positions are in 65536ths of the screen.
  const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT move = MouseButtonInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  move.mi.dx = static_cast<LONG>((screen.x * 65536LL + cx - 1) / cx);
  move.mi.dy = static_cast<LONG>((screen.y * 65536LL + cy - 1) / cy);
  return move;
}

void ClickAt(POINT screen, int clicks) {
  std::vector<INPUT> inputs = {MouseMoveInput(screen)};
  for (int i = 0; i < clicks; ++i) {
    inputs.push_back(MouseButtonInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseButtonInput(MOUSEEVENTF_LEFTUP));
  }
  Send(inputs);
}

void RightClickAt(POINT screen) {
  std::vector<INPUT> inputs = {MouseMoveInput(screen), MouseButtonInput(MOUSEEVENTF_RIGHTDOWN),
                               MouseButtonInput(MOUSEEVENTF_RIGHTUP)};
  Send(inputs);
}

void MoveMouseTo(POINT screen) {
  std::vector<INPUT> inputs = {MouseMoveInput(screen)};
  Send(inputs);
}
