// The editor's view of a document.
#pragma once

#include "classlib/win/CView.h"

class CZultaEditDoc;

class CZultaEditView : public CView {
  DECLARE_DYNCREATE(CZultaEditView)
 public:
  CZultaEditView() = default;

  CZultaEditDoc* GetDocument() const;
  void OnDraw(CDC* pDC) override;
};
