// The resize layout engine of the toolkit's resizable dialogs, sheets and
// pages (their second base): it keeps a list of child windows, each with the
// fractions of the owner's change in size by which its four edges move,
// moves them all in one deferred window-position batch on every size
// change, limits the owner's tracking size, keeps the owner's placement in
// the profile, and shows a size grip in the bottom-right corner.
#pragma once

#include <windows.h>

#include "classlib/core/Geometry.h"
#include "classlib/win/CWnd.h"
#include "classlib/core/Collections.h"
#include "classlib/core/TypedPtrCollections.h"
#include "toolkit/core/CKWResizeRect.h"
#include "toolkit/core/KWResizeRules.h"
#include "toolkit/win/CKWSizeGrip.h"

// One laid-out child window.
class CKWResizeItem {
 public:
  CKWResizeItem(CWnd* pWnd, const CKWResizeRect& rcAnchor, const CKWResizeRect& rcPos,
                BOOL bOwnsWnd);
  virtual ~CKWResizeItem();
  CKWResizeItem(const CKWResizeItem&) = delete;
  CKWResizeItem& operator=(const CKWResizeItem&) = delete;

  CWnd* m_pWnd;
  CKWResizeRect m_rcAnchor;
  // The child's rectangle in the parent's client coordinates, in floating
  // point so that fractional moves accumulate.
  CKWResizeRect m_rcPos;
  // m_pWnd is a temporary object of ours over a window that had none.
  BOOL m_bOwnsWnd;
};

// One control's anchors, for registering several at once.
struct CKWResizeEntry {
  UINT nID;
  CKWResizeRect rcAnchor;
};

class CKWResizeLayout {
 public:
  CKWResizeLayout(CWnd* pWnd, UINT nFlags);
  virtual ~CKWResizeLayout();
  CKWResizeLayout(const CKWResizeLayout&) = delete;
  CKWResizeLayout& operator=(const CKWResizeLayout&) = delete;

  // Takes the owner's current rectangle as the start (and, unless
  // kwResizeMayShrink, as its minimum size) and adds the size grip.
  void Init();

  // A control registered again gets the sum of its anchors; an id that
  // names no window is ignored.
  void SetResize(UINT nID, const CKWResizeRect& rcAnchor);
  void SetResize(UINT nID, HWND hWnd, const CKWResizeRect& rcAnchor);
  void SetResize(UINT nID, const CKWResizePoint& ptTopLeft, const CKWResizePoint& ptBottomRight);
  void SetResize(UINT nID, float left, float top, float right, float bottom);
  void SetResize(const CKWResizeEntry* pEntries, int nCount);
  // A window with its own starting rectangle, not owned.
  void AddItem(CWnd* pWnd, const CKWResizeRect& rcAnchor, const CRect& rcPos);
  // Removes the last item of that id; FALSE when there is none.
  BOOL RemoveResize(UINT nID);
  void RemoveAllControls();

  void SetFlag(UINT nFlags) { m_nFlags |= nFlags; }
  BOOL HasFlag(UINT nFlags) const { return (m_nFlags & nFlags) != 0; }

  // On WM_SIZE: moves every item by the change since the last layout.
  void Resize();
  // On WM_GETMINMAXINFO.
  void GetMinMaxInfo(MINMAXINFO* lpMMI) const;

  // The owner's placement as the profile value "WindowPlacement" of the section.
  void LoadPlacement(LPCSTR lpszSection);
  void SavePlacement(LPCSTR lpszSection);

  int GetItemCount() const { return m_arrItems.GetSize(); }
  CKWResizeItem* GetItem(int nIndex) const { return m_arrItems[nIndex]; }
  CSize GetMinSize() const { return m_szMin; }
  void SetMinSize(CSize size) { m_szMin = size; }
  void SetMaxSize(CSize size) { m_szMax = size; }
  CKWSizeGrip& GetGrip() { return m_wndGrip; }

 protected:
  CTypedPtrArray<CPtrArray, CKWResizeItem*> m_arrItems;
  CWnd* m_pWnd;
  UINT m_nFlags;
  CRect m_rcWindow;
  CSize m_szMin;
  CSize m_szMax;
  CKWSizeGrip m_wndGrip;

 private:
  // The earliest item of the id, or nullptr.
  CKWResizeItem* FindItem(UINT nID) const;
  // Group boxes and other non-push buttons without a tab stop are drawn
  // transparent so that moving them does not wipe what lies beneath.
  void MakeTransparent(HWND hWnd) const;
  void CreateGrip();
  // Puts one item into the batch; FALSE when the system refused it.
  BOOL MoveItem(HDWP& hDwp, CKWResizeItem& item, int dx, int dy);
};
