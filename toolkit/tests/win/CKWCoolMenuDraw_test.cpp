// The owner-drawn menus' glyphs and texts drawn into memory DCs: the tick,
// the bullet, the chevron, and the accelerator column.
#include <gtest/gtest.h>

#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/tests/win/TestSurface.h"
#include "toolkit/win/CKWCoolMenu.h"
#include "toolkit/win/CKWGlobalData.h"

namespace kw_cool_menu_draw_test {

TEST(KWCoolMenuDraw, TheTickAndTheBulletSitInTheCell) {
  CKWGlobalData& data = KWGetGlobalData();
  data.Refresh();
  CKWCoolMenu menu;
  Surface surface(24);
  const CRect cell(0, 0, 20, 20);
  menu.DrawCheckMark(surface.dc(), cell, TRUE, FALSE, nullptr);
  COLORREF tick = surface.Stored(data.clr3DDkShadow);
  // The tick's first and last pixels from (6, 8).
  EXPECT_EQ(surface.At(6, 9), tick);
  EXPECT_EQ(surface.At(12, 7), tick);
  EXPECT_EQ(surface.At(5, 9), surface.Stored(data.clrBtnHilite));  // selected: highlighted

  Surface bullet(24);
  HBITMAP hCheck = ::CreateBitmap(8, 8, 1, 1, nullptr);
  menu.DrawCheckMark(bullet.dc(), cell, TRUE, FALSE, hCheck);
  ::DeleteObject(hCheck);
  COLORREF dark = bullet.Stored(data.clr3DDkShadow);
  EXPECT_EQ(bullet.At(7, 10), dark);
  EXPECT_EQ(bullet.At(11, 10), dark);
  EXPECT_NE(bullet.At(7, 8), dark);  // the top line is narrower
  EXPECT_EQ(bullet.At(8, 8), dark);
  SaveScreenshot(CaptureDC(bullet.hdc(), 0, 0, 20, 20), "toolkit_coolmenu_bullet");
}

TEST(KWCoolMenuDraw, TheChevronIsTwoArrowsCentredInTheItem) {
  CKWGlobalData& data = KWGetGlobalData();
  data.Refresh();
  CKWCoolMenu menu;
  Surface surface(24);
  const CRect item(0, 10, 45, 30);
  menu.DrawChevron(surface.dc(), item, FALSE);
  COLORREF text = surface.Stored(data.clrMenuText);
  // x = (45 - 5) / 2 = 20, y = 10 + (20 - 8) / 2 = 16, and the second 4 lower.
  for (int y : {16, 20}) {
    EXPECT_EQ(surface.At(20, y), text) << y;
    EXPECT_EQ(surface.At(22, y + 3), text) << y;
    EXPECT_EQ(surface.At(24, y), text) << y;
    EXPECT_NE(surface.At(22, y), text) << y;
  }
  EXPECT_FALSE(menu.m_bExpandTimerRunning);  // no menu bar tracking: no hover timer
}

TEST(KWCoolMenuDraw, TheAcceleratorEndsOneButtonWidthFromTheRight) {
  CKWCoolMenu menu;
  menu.m_sizeButton = CSize(18, 17);
  Surface surface(24, 160, 20);
  surface.dc()->SetBkMode(TRANSPARENT);
  const CRect rect(0, 0, 160, 20);
  menu.DrawMenuText(surface.dc(), rect, "Label\tCtrl+W", RGB(0, 0, 0));
  RgbImage image = CaptureDC(surface.hdc(), 0, 0, 160, 20);
  RECT ink = BoundingBox(image, IsColor(RGB(0, 0, 0)));
  EXPECT_LE(ink.right, 160 - 18);
  EXPECT_GE(ink.right, 160 - 18 - 2);
  EXPECT_LE(ink.left, 2);
  // Without a tab there is no accelerator column.
  Surface plain(24, 160, 20);
  menu.DrawMenuText(plain.dc(), rect, "Label", RGB(0, 0, 0));
  RECT labelInk = BoundingBox(CaptureDC(plain.hdc(), 0, 0, 160, 20), IsColor(RGB(0, 0, 0)));
  EXPECT_LT(labelInk.right, 60);
}

}  // namespace kw_cool_menu_draw_test
