// Where a grammar table goes on the printed page.
#include <gtest/gtest.h>

#include "tables/core/GrammarPrintLayout.h"

namespace {

// A 600 dpi printer with a quarter-inch unprintable edge on every side of a
// Letter sheet.
PrinterPage LetterPrinter(bool landscape) {
  PrinterPage printer;
  printer.dpiX = printer.dpiY = 600;
  printer.offsetX = printer.offsetY = 150;
  printer.printableWidth = (landscape ? 6600 : 5100) - 300;
  printer.printableHeight = (landscape ? 5100 : 6600) - 300;
  return printer;
}

TEST(GrammarPrintLayout, LandscapeLetterInThousandthsOfAnInch) {
  PageSettingsRec settings;
  SetDefaultPageSettings(&settings, 1);
  settings.orientation = 2;
  GrammarPrintLayout layout = ComputeGrammarPrintLayout(settings, LetterPrinter(true), 600, 232);
  // Margins 0.75 and 1 inch, less the quarter inch the printer cannot reach.
  EXPECT_EQ(layout.printable.left, 300);
  EXPECT_EQ(layout.printable.top, 450);
  EXPECT_EQ(layout.printable.right, 6300 - 300);
  EXPECT_EQ(layout.printable.bottom, 4800 - 450);
  EXPECT_DOUBLE_EQ(layout.scale, 5700.0 / 600);
}

TEST(GrammarPrintLayout, MillimetresAndMarginsInsideTheUnprintableEdge) {
  PageSettingsRec settings;
  settings.orientation = 1;
  settings.unit = 2;
  settings.width = 2159;  // Letter in tenths of a millimetre
  settings.length = 2794;
  settings.leftMargin = settings.rightMargin = 0;
  settings.topMargin = settings.bottomMargin = 254;  // one inch
  GrammarPrintLayout layout = ComputeGrammarPrintLayout(settings, LetterPrinter(false), 100, 100);
  EXPECT_EQ(layout.printable.left, 0);  // no margin below the printer's edge
  EXPECT_EQ(layout.printable.top, 450);
  EXPECT_EQ(layout.printable.right, 4800);
  // The height limits the scale here.
  EXPECT_DOUBLE_EQ(layout.scale, 48.0);
}

TEST(GrammarPrintLayout, NoRoomOrNoViewGivesNoScale) {
  PageSettingsRec settings;
  settings.leftMargin = settings.rightMargin = 5000;
  EXPECT_EQ(ComputeGrammarPrintLayout(settings, LetterPrinter(false), 600, 232).scale, 0);
  PageSettingsRec normal;
  EXPECT_EQ(ComputeGrammarPrintLayout(normal, LetterPrinter(false), 0, 232).scale, 0);
  EXPECT_EQ(ComputeGrammarPrintLayout(normal, PrinterPage{}, 600, 232).scale, 0);
}

}  // namespace
