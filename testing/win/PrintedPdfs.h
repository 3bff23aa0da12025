// The PDFs of the test printer: scripts/with-printer runs a PDF queue
// whose finished jobs land as PDF files in $ZULTA_PRINT_OUTPUT. The PDFs
// are read with poppler's tools, run as Linux programs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "testing/PngWriter.h"

// The folder of finished PDFs (a Unix path); empty when no printer runs.
std::string PrintOutputFolder();
// The PDF files in the folder, by name.
std::vector<std::string> PrintedPdfs();
// Waits for a PDF that was not among those before; empty when none came.
std::string WaitForNewPdf(const std::vector<std::string>& before);
// The number of pages of a PDF in the output folder; -1 when unreadable.
int PdfPageCount(const std::string& pdfName);
// The pictures of the PDF's pages at nDpi, first page first.
std::vector<RgbImage> PdfPageImages(const std::string& pdfName, int nDpi);

// Whether a pixel (0xRRGGBB) shows the colour, as far as smoothing allows.
bool IsNearColor(uint32_t rgb, COLORREF expected);

// The printing tests that need the PDF printer skip without it.
#define SKIP_WITHOUT_PRINTER()             \
  if (PrintOutputFolder().empty())         \
  GTEST_SKIP() << "no printer: run under " \
                  "scripts/with-printer"
