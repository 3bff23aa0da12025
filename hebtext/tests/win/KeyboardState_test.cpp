// The keyboard mapping over the real keyboard state of the thread.
#include "hebtext/win/KeyboardState.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// Sets keys of the thread's keyboard state for one test and restores it.
class KeyboardStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(GetKeyboardState(saved_)); }
  void TearDown() override { SetKeyboardState(saved_); }

  void Press(std::initializer_list<int> keys) {
    BYTE state[256];
    GetKeyboardState(state);
    for (int key : keys) state[key] |= 0x80;
    SetKeyboardState(state);
  }

  BYTE saved_[256];
};

TEST_F(KeyboardStateTest, SetCapsLockTurnsTheToggleOnAndOff) {
  for (BOOL on : {TRUE, TRUE, FALSE, FALSE, TRUE}) {
    SetCapsLock(on);
    EXPECT_EQ(on ? 1 : 0, IsCapsLockOn());
    BYTE state[256];
    GetKeyboardState(state);
    EXPECT_EQ(on ? 1 : 0, state[VK_CAPITAL] & 1);
    EXPECT_EQ(0, state[VK_CAPITAL] & 0x80) << "the key itself is not pressed";
  }
}

TEST_F(KeyboardStateTest, MapKeyToHebrewFollowsCapsLock) {
  SetCapsLock(FALSE);
  EXPECT_EQ(196, MapKeyToHebrew('/'));
  SetCapsLock(TRUE);
  EXPECT_EQ(201, MapKeyToHebrew('/'));
  EXPECT_EQ(201, MapKeyToHebrew('?'));
}

TEST_F(KeyboardStateTest, TranslateOemKeyReadsCtrlShiftAndCapsLock) {
  SetCapsLock(FALSE);
  EXPECT_EQ(0, TranslateOemKey(187));
  Press({VK_CONTROL});
  EXPECT_EQ('=', TranslateOemKey(187));
  Press({VK_SHIFT});
  EXPECT_EQ('+', TranslateOemKey(187));
  SetCapsLock(TRUE);
  EXPECT_EQ('=', TranslateOemKey(187));
}

}  // namespace
