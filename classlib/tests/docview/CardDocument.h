// The test application's form document: a card with a name and a place,
// edited in a form view.
#pragma once

#include "classlib/win/CDocument.h"
#include "classlib/win/CFormView.h"

class CCardDoc : public CDocument {
  DECLARE_DYNCREATE(CCardDoc)
 public:
  CString m_strName;
  CString m_strPlace;

  void Serialize(CArchive& ar) override;
  void DeleteContents() override;
};

class CCardView : public CFormView {
  DECLARE_DYNCREATE(CCardView)
 public:
  CCardView();

  CCardDoc* GetDocument() const { return static_cast<CCardDoc*>(m_pDocument); }
  HWND GetRememberedFocus() const { return m_hWndFocus; }

 protected:
  // The controls show the document's fields.
  void DoDataExchange(CDataExchange* pDX) override;
};
