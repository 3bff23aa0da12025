// A frame's menus in the toolkit's look: while a popup is open every item is
// owner-drawn, with the image of its command taken from the toolbars, a check
// box or bullet, the label and the right-aligned accelerator. With
// personalised menus, commands marked hideable stay out of tracked popups
// until used, and a chevron item at the end shows the full menu.
#pragma once

#include <windows.h>

#include "classlib/core/Collections.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/CImageList.h"
#include "toolkit/win/CKWMenuItemData.h"
#include "toolkit/win/CKWWndHook.h"

class CDC;
class CWnd;

// The gap round an item's image: 1 x 1, or 4 x 3 in the flat look.
extern CSize g_sizeKWMenuItemMargin;
// The user asked for full menus (the chevron, its timer or "Display full menus").
extern BYTE g_bKWExpandedMenus;
// WM_INITMENUPOPUP messages to pass through untouched (a child's system menu).
extern int g_nKWPopupSkip;
// Clear while the menu bar tracks its menus; only then does the chevron expand on hover.
extern BYTE g_bKWMenuBarIdle;

// The chevron item's label before it is drawn as a double down-arrow.
constexpr char kKWChevronText[] = ">> chevron";

class CKWCoolMenu : public CKWWndHook {
  DECLARE_DYNAMIC(CKWCoolMenu)

 public:
  CKWCoolMenu();
  ~CKWCoolMenu() override;

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  virtual BOOL Install(CWnd* pFrame);
  // The images of a toolbar control's buttons; FALSE without an image list.
  virtual BOOL LoadToolbarImages(HWND hToolBar);
  virtual BOOL LoadToolbar(UINT nIDResource);
  virtual BOOL LoadToolbars(const UINT* pIDs, int nCount);
  // A hideable command is never made ordinary again: both always FALSE.
  virtual BOOL RemoveHiddenCommand(UINT nID) { return FALSE; }
  virtual BOOL AddHiddenCommand(UINT nID);
  virtual BOOL RemoveHiddenCommands(const UINT* pIDs, int nCount) { return FALSE; }
  virtual BOOL AddHiddenCommands(const UINT* pIDs, int nCount);
  // Image i of the bitmap, masked by the button face, for pIDs[i] (0: none).
  virtual BOOL AddBitmapImages(HBITMAP hBitmap, const UINT* pIDs, int nCount);
  virtual BOOL LoadBitmapImages(UINT nIDResource, const UINT* pIDs, int nCount);
  virtual int FindCommandPos(HMENU hMenu, UINT nID);
  virtual void SetRecentCount(int nCount) { m_nRecentCount = nCount; }
  virtual void ClearRecentItems();
  virtual void DrawMenuText(CDC* pDC, CRect rect, const CString& text, COLORREF color);
  virtual void DrawCheckMark(CDC* pDC, CRect rect, BOOL bSelected, BOOL bDisabled,
                             HBITMAP hbmCheck);
  virtual void DrawChevron(CDC* pDC, CRect rect, BOOL bSelected);
  virtual void ConvertMenu(HMENU hMenu, BOOL bToOwnerDraw);
  virtual BOOL IsRarelyUsed(UINT nID);
  virtual BOOL IsPrevItemHidden(HMENU hMenu, int nPos);
  virtual BOOL IsNextItemHidden(HMENU hMenu, int nPos);
  virtual BOOL IsFirstItem(HMENU hMenu, int nPos);
  virtual BOOL IsLastItem(HMENU hMenu, int nPos, UINT nID);
  virtual void UpdateChevron(HMENU hMenu, BOOL bForce);
  virtual BOOL IsSystemMenu(HMENU hMenu);
  // The number of items put back.
  virtual int RestoreHiddenItems(HMENU hMenu);
  virtual void HideRarelyUsedItems(HMENU hMenu);
  virtual BOOL HasHiddenItems(HMENU hMenu);
  virtual void OnCommandUsed(UINT nID);
  virtual BOOL IsRecentCommand(UINT nID);
  // Takes the icon (destroyed here); a command keeps its first image.
  virtual void AddImage(UINT nID, HICON hIcon, int cx, int cy);
  virtual BOOL IsPopupTracking();
  virtual void Reset();
  virtual void DropDrawingImages();
  virtual void OnTimer(UINT_PTR nIDEvent);
  virtual void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
  virtual BOOL MeasureItem(MEASUREITEMSTRUCT* pMeasure);
  virtual BOOL DrawItem(DRAWITEMSTRUCT* pDraw);
  virtual LRESULT OnMenuChar(UINT nChar, UINT nFlags, HMENU hMenu);
  virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu);

  // The record of an item, nullptr for an item that carries none of ours.
  CKWMenuItemData* GetItemData(HMENU hMenu, int nPos) const;
  CKWMenuItemData* FindRecord(ULONG_PTR data) const;
  int GetImageCount() const { return m_bNoImageList ? 0 : m_imageList.GetImageCount(); }
  int ImageOf(UINT nID) const;

  CImageList m_imageList;
  CImageList* m_pDrawingImages = nullptr;
  CMapWordToPtr m_mapCommands;
  CUIntArray m_arrHidden;
  CSize m_sizeImage;
  CSize m_sizeButton;
  int m_nRecentCount;
  UINT m_nExpandTimer;
  UINT m_nExpandDelay;
  BOOL m_bPersonalized = FALSE;
  BYTE m_bExpandTimerRunning = FALSE;
  BOOL m_bKeyboardCues = FALSE;
  BOOL m_bNoImageList = TRUE;
  BOOL m_bTrackPopup = FALSE;
  CPtrList m_listItemData;
  CPtrList m_listMenus;

 private:
  CImageList* GetDrawingImages();
  CKWMenuItemData* NewRecord(HMENU hMenu, int nPos, UINT nID, UINT nType, UINT nState,
                             HMENU hSubMenu, const CString& text);
  void DeleteRecord(CKWMenuItemData* pData);
  void TakeOut(HMENU hMenu, int nPos);
  UINT FlagsAt(HMENU hMenu, int nPos) const;
  void ApplyOrigin(HMENU hMenu);
  // The chevron item, drawn and noted as selected or not.
  bool DrawIfChevron(CDC* pDC, CRect rect, CKWMenuItemData* pData, BOOL bSelected);
  // Both neighbours of the item are rarely used (or the menu's ends).
  bool IsBetweenHidden(CKWMenuItemData* pData);
  void DrawPlainItem(CDC* pDC, const DRAWITEMSTRUCT* pDraw, CKWMenuItemData* pData);
  void DrawFlatItem(CDC* pDC, const DRAWITEMSTRUCT* pDraw, CKWMenuItemData* pData);
  void DrawItemText(CDC* pDC, CRect rect, CKWMenuItemData* pData, COLORREF color, BOOL bBold);
  void DrawRunBorders(CDC* pDC, CRect rect, CKWMenuItemData* pData);
};
