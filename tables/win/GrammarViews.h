// The views of the grammar tables, one per kind of table.
#pragma once

#include "tables/win/MyFormView.h"

class CGramVerbView : public CMyFormView {
  DECLARE_DYNCREATE(CGramVerbView)
};

class CGramPrepView : public CMyFormView {
  DECLARE_DYNCREATE(CGramPrepView)
};

class CGramKinuiView : public CMyFormView {
  DECLARE_DYNCREATE(CGramKinuiView)
};

class CGramNumberView : public CMyFormView {
  DECLARE_DYNCREATE(CGramNumberView)
};
