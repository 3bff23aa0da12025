// The declension view on the noun, adjective and general-vocabulary
// templates. They are made only by their run-time classes: no document
// template or tab of the program creates them.
#pragma once

#include "tables/win/GramDeclineView.h"

class CGramNounView : public CGramDeclineView {
  DECLARE_DYNCREATE(CGramNounView)
 public:
  CGramNounView();
};

class CGramAdjView : public CGramDeclineView {
  DECLARE_DYNCREATE(CGramAdjView)
 public:
  CGramAdjView();
};

class CGramGeneralView : public CGramDeclineView {
  DECLARE_DYNCREATE(CGramGeneralView)
 public:
  CGramGeneralView();
};
