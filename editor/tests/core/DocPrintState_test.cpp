// A side's print state: the text rectangle inside the printer's drawing
// area (the unprintable edge taken off the margins) and the tab stops in
// printer pixels.
#include "editor/core/DocPrintState.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/core/CPageLayout.h"

namespace {

CPageLayout Layout(WORD orientation, WORD width, WORD length, WORD unit, WORD margin) {
  CPageLayout layout;
  layout.settings.orientation = orientation;
  layout.settings.width = width;
  layout.settings.length = length;
  layout.settings.unit = unit;
  layout.settings.leftMargin = layout.settings.rightMargin = margin;
  layout.settings.topMargin = layout.settings.bottomMargin = static_cast<WORD>(margin * 4 / 3);
  layout.tabInterval = 0;
  return layout;
}

std::vector<DWORD> Stops(const CDWordArray& array) {
  return std::vector<DWORD>(array.GetData(), array.GetData() + array.GetSize());
}

TEST(FillSidePrintState, PutsTheTextRectangleInsideTheDrawingArea) {
  struct Case {
    const char* name;
    CPageLayout layout;
    CSize ppi, draw;
    CRect text;
  };
  const Case cases[] = {
      // Letter at 600 dpi, a quarter inch unprintable all round.
      {"portrait", Layout(1, 8500, 11000, 1, 750), {600, 600}, {4800, 6300}, {300, 450, 4500, 5850}},
      {"landscape", Layout(2, 8500, 11000, 1, 750), {600, 600}, {6300, 4800}, {300, 450, 6000, 4350}},
      // A4 in tenths of a millimetre at 300 dpi.
      {"millimetres", Layout(1, 2100, 2970, 2, 200), {300, 300}, {2400, 3400}, {196, 260, 2204, 3140}},
      // Margins inside the unprintable edge start at the drawing area's edge.
      {"narrow margins", Layout(1, 8500, 11000, 1, 100), {600, 600}, {4800, 6300}, {0, 0, 4800, 6300}},
      // A printer that can reach the whole paper.
      {"no edge", Layout(1, 8500, 11000, 1, 750), {300, 300}, {2550, 3300}, {225, 300, 2325, 3000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DocSidePrintState state;
    FillSidePrintState(c.layout, 1, c.ppi, c.draw, state);
    EXPECT_EQ(state.presence, 1);
    EXPECT_EQ(state.textRect, c.text);
    EXPECT_EQ(state.settings.orientation, c.layout.settings.orientation);
  }
}

TEST(FillSidePrintState, TabStopsFollowTheHandSetOnesAtTheInterval) {
  CPageLayout layout = Layout(1, 8500, 11000, 1, 750);
  layout.tabStops.Add(500);
  layout.tabStops.Add(1500);
  DocSidePrintState state;
  FillSidePrintState(layout, 0, {600, 600}, {4800, 6300}, state);
  EXPECT_EQ(Stops(state.tabStops), (std::vector<DWORD>{300, 900})) << "no interval";

  layout.tabInterval = 1000;
  FillSidePrintState(layout, 0, {600, 600}, {4800, 6300}, state);
  // Text 4200 pixels wide: the interval's stops from the one after 900.
  EXPECT_EQ(Stops(state.tabStops), (std::vector<DWORD>{300, 900, 1200, 1800, 2400, 3000, 3600}));

  layout.tabStops.RemoveAll();
  layout.tabInterval = 127;  // 12.7 mm, half an inch
  layout.settings.unit = 2;
  layout.settings.width = 2159;
  layout.settings.length = 2794;
  layout.settings.leftMargin = layout.settings.rightMargin = 254;
  FillSidePrintState(layout, 0, {254, 254}, {2159, 2794}, state);
  EXPECT_EQ(state.textRect.Width(), 1651);
  EXPECT_EQ(Stops(state.tabStops), (std::vector<DWORD>{127, 254, 381, 508, 635, 762, 889, 1016,
                                                       1143, 1270, 1397, 1524}));
}

TEST(FillSidePrintState, ASideWithoutThePageIsMarkedAbsent) {
  DocSidePrintState state;
  EXPECT_EQ(state.presence, kNoPrintedPage);
}

}  // namespace
