// The toolkit's watch on the system's popup-menu windows (class "#32768"): a
// thread CBT hook attaches a CKWMenuWndHook to each one while it exists, to
// give it a shadow, to let a click on a personalised menu's chevron expand the
// menu, and to keep the system's menu animation out of the way meanwhile.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/core/Geometry.h"
#include "toolkit/win/CKWWndHook.h"

class CKWCoolMenu;
class CKWMemDC;
class CKWShadowManager;

// Messages a popup-menu window's hook posts to itself.
constexpr UINT WM_KW_REMEASURE_ITEMS = 0x800A;
constexpr UINT WM_KW_SHOW_SHADOW = 0x800B;

class CKWMenuWndHook : public CKWWndHook {
  DECLARE_DYNAMIC(CKWMenuWndHook)

 public:
  // The first live hook switches menu animation off and the system's menu
  // shadows to the toolkit's choice; the last one puts both back. Neither
  // change is written to the user's profile.
  CKWMenuWndHook();
  ~CKWMenuWndHook() override;

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // The menu the window shows; the flat look loses the window's frame.
  void SetMenu(HMENU hMenu);
  void StripFrame();
  BOOL ShadowsWanted() const;
  // A copy of the screen under the window (or rect) and its shadow bands.
  void TakeSnapshot(const CRect* pRect = nullptr);
  void DropShadow();
  void DropSnapshot();
  // Shows the window again in place after its menu changed.
  void Redisplay();

  HMENU m_hMenu = nullptr;
  CKWShadowManager* m_pShadow = nullptr;
  CKWMemDC* m_pSnapshot = nullptr;
  BYTE m_bSkipNextShadow = FALSE;
  // The owner-drawn menus that draw the items, from their first DrawItem.
  CKWCoolMenu* m_pOwner = nullptr;

 private:
  LRESULT OnPositionChanged(const WINDOWPOS* pos, LRESULT result);
  void RemeasureItems();
  void ShowShadow();
  bool IsChevronClick(UINT msg, LPARAM lParam) const;
};

// The hooks of the popup-menu windows that exist, newest at the tail.
CPtrList& KWGetMenuWndHooks();
// The newest one, nullptr when no popup-menu window exists.
CKWMenuWndHook* KWNewestMenuWndHook();
int KWLiveMenuWndHookCount();

// The owner-drawn menus announce each popup menu they prepare: its window,
// if already created, gets it; otherwise the next window will.
void KWAnnounceMenu(HMENU hMenu);
// A system menu is coming: a window waiting for its menu is not ours.
void KWForgetPendingMenuWindow();
// The menu loop ended: an announcement no window took, or a window still
// waiting, belongs to no later popup.
void KWForgetAnnouncedMenu();

// The chevron item of the open popup is selected.
extern BYTE g_bKWChevronSelected;
// Windows 95 or NT 4.0: the chevron is not clicked through the menu window.
BOOL KWIsOldMenuSystem();

// The thread's CBT hook; a static object installs it at start and removes it
// at exit. Both are no-ops when already done.
BOOL KWInstallMenuCbtHook();
void KWRemoveMenuCbtHook();
BOOL KWIsMenuCbtHookInstalled();
