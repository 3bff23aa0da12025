// The preposition tab of the Grammar Tables window: the declension view on
// the prepositions' template, showing each preposition with its
// pronominal suffixes.
#pragma once

#include "tables/win/GramDeclineView.h"

class CGramPrepView : public CGramDeclineView {
  DECLARE_DYNCREATE(CGramPrepView)
 public:
  CGramPrepView();
};
