#include "hebtext/win/KeyboardState.h"

#include <windows.h>

namespace {

constexpr BYTE kToggled = 0x01;

bool IsKeyDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

int IsCapsLockOn() {
  BYTE state[256] = {};
  GetKeyboardState(state);
  return (state[VK_CAPITAL] & kToggled) ? 1 : 0;
}

void SetCapsLock(BOOL on) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  if (!(state[VK_CAPITAL] & kToggled) == !on) return;
  state[VK_CAPITAL] ^= kToggled;
  SetKeyboardState(state);
}

int MapKeyToHebrew(int ch) { return MapKeyToHebrew(ch, IsCapsLockOn()); }

int TranslateOemKey(UINT virtualKey) {
  const KeyModifiers modifiers = {IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT), IsCapsLockOn()};
  return TranslateOemKey(virtualKey, modifiers);
}
