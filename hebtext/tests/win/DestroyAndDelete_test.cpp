// A heap window object ended in one call: the window is gone, the object
// deleted (its destructor runs) and the pointer cleared.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/win/CWnd.h"
#include "hebtext/win/DestroyAndDelete.h"

namespace destroy_and_delete_test {

class CountedWnd : public CWnd {
 public:
  explicit CountedWnd(int& destroyed) : m_destroyed(destroyed) {}
  ~CountedWnd() override { ++m_destroyed; }

 private:
  int& m_destroyed;
};

TEST(DestroyAndDelete, DestroysTheWindowAndDeletesTheObject) {
  int destroyed = 0;
  auto* pWnd = new CountedWnd(destroyed);
  ASSERT_TRUE(pWnd->CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  const HWND hWnd = pWnd->GetSafeHwnd();
  DestroyAndDelete(pWnd);
  EXPECT_EQ(nullptr, pWnd);
  EXPECT_EQ(1, destroyed);
  EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(DestroyAndDelete, AnObjectWithoutAWindowIsDeletedAndNullIsLeftAlone) {
  int destroyed = 0;
  auto* pWnd = new CountedWnd(destroyed);
  DestroyAndDelete(pWnd);
  EXPECT_EQ(nullptr, pWnd);
  EXPECT_EQ(1, destroyed);
  CountedWnd* pNone = nullptr;
  DestroyAndDelete(pNone);
  EXPECT_EQ(nullptr, pNone);
}

}  // namespace destroy_and_delete_test
