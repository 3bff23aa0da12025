// The strip along one side of a frame (or the inside of a floating frame)
// that holds docked control bars in rows. m_arrBars lists them: a null entry
// ends a row (the list starts and ends with one), and an id in place of a bar
// is the place a floated bar keeps for its return. The rows are laid out by
// DockRows; the dock bar takes from its frame the room they need, none when
// it holds no visible bar.
#pragma once

#include <vector>

#include "classlib/core/Collections.h"
#include "classlib/core/DockRows.h"
#include "classlib/win/CControlBar.h"

class CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)
 public:
  explicit CDockBar(BOOL bFloating = FALSE);
  ~CDockBar() override;

  // A dock bar of frame pParentWnd on the side dwStyle's CBRS_ALIGN_* names.
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

  // Docks pBar at lpRect (screen coordinates): in the row under the rectangle,
  // or in a new row above or below the others. Without a rectangle it goes
  // back to the place it kept here, or to a new row at the end.
  void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  // The same, but to the place kept for pBar here when there is one (the
  // rectangle then only gives its offset in the row).
  void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
  // Takes pBar out of the rows (the entry at nPosExclude is left alone);
  // bAddPlaceHolder keeps its place for its return.
  BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, BOOL bAddPlaceHolder = FALSE);
  // Forgets the place kept for pBar.
  void RemovePlaceHolder(CControlBar* pBar);
  // The position of pBar in m_arrBars, skipping nPosExclude; -1 when absent.
  int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
  // The bar at nPos, or nullptr for a row break or a kept place.
  CControlBar* GetDockedControlBar(int nPos) const;
  int GetDockedCount() const;
  int GetDockedVisibleCount() const;
  // The id a kept place stands for, or 0 when nPos holds none.
  UINT GetPlaceHolderID(int nPos) const;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  BOOL IsDockBar() const override { return TRUE; }
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  // The rows as ids (0 a row break, a kept place with kPlaceHolderFlag) and
  // back: the saved layout of the bars in this dock bar.
  void GetBarInfo(CControlBarInfo* pInfo) override;
  void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

  // A kept place in saved bar state: the id with this bit.
  static constexpr UINT kPlaceHolderFlag = 0x10000;

  BOOL m_bFloating;
  CPtrArray m_arrBars;
  // Set while the frame only measures its layout: the bars stay where they are.
  BOOL m_bLayoutQuery = FALSE;
  // The room the frame offers, set by each layout pass.
  CRect m_rectLayout;

 protected:
  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // The rows as the layout arithmetic sees them.
  std::vector<DockSlot> GetSlots(BOOL bHorz) const;
  // The mode in which a docked bar measures itself here.
  DWORD GetLayoutMode(const CControlBar* pBar, BOOL bHorz, BOOL bStretch) const;
  void DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bToKeptPlace);
  // Puts pBar in its place among this dock bar's children and styles.
  void AdoptBar(CControlBar* pBar);
  // The list keeps a break at each end.
  void EnsureEndBreaks();
};
