// The test application's text document: lines of text in a scroll view
// that is as tall as the lines need.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CScrollView.h"

class CNoteDoc : public CDocument {
  DECLARE_DYNCREATE(CNoteDoc)
 public:
  // Replaces the text (lines separated by "\n") and marks the document modified.
  void SetText(LPCSTR lpszText);
  CString GetText() const;
  const CStringArray& GetLines() const { return m_lines; }

  void Serialize(CArchive& ar) override;
  void DeleteContents() override;

 protected:
  afx_msg void OnRoute(UINT nID);

  CStringArray m_lines;

  DECLARE_MESSAGE_MAP()
};

class CNoteView : public CScrollView {
  DECLARE_DYNCREATE(CNoteView)
 public:
  static constexpr int kLineHeight = 20;
  static constexpr int kPageWidth = 600;

  CNoteDoc* GetDocument() const { return static_cast<CNoteDoc*>(m_pDocument); }
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

  int m_nInitialUpdates = 0;
  int m_nActivations = 0;

 protected:
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
  afx_msg void OnRoute(UINT nID);
  // The document's size: every line, at least one page.
  void SizeToDocument();

  DECLARE_MESSAGE_MAP()
};
