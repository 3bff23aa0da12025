// The documents of the grammar tables: plain documents with no data of
// their own, one per kind of table.
#pragma once

#include "classlib/win/CDocument.h"

class CGramVerbDoc : public CDocument {
  DECLARE_DYNCREATE(CGramVerbDoc)
};

class CGramPrepDoc : public CDocument {
  DECLARE_DYNCREATE(CGramPrepDoc)
};

class CGramKinuiDoc : public CDocument {
  DECLARE_DYNCREATE(CGramKinuiDoc)
};

class CGramNumberDoc : public CDocument {
  DECLARE_DYNCREATE(CGramNumberDoc)
};

// The documents of the declension views no tab shows.
class CGramNounDoc : public CDocument {
  DECLARE_DYNCREATE(CGramNounDoc)
};

class CGramAdjDoc : public CDocument {
  DECLARE_DYNCREATE(CGramAdjDoc)
};

class CGramGeneralDoc : public CDocument {
  DECLARE_DYNCREATE(CGramGeneralDoc)
};
