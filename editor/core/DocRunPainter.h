// Paints the lines of a side as runs: the characters of one attribute, font
// and colour, drawn together, each word at its own place. A background pass
// fills the runs' rectangles, a text pass draws their letters. The side being
// edited shows its own colours; the other side is greyed without back colours;
// selected characters show in the selection colours, never on paper.
#pragma once

#include <string>

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "editor/core/DocPageView.h"
#include "editor/core/DocVisibleLines.h"

// What painting asks of the device context.
class IDocPaintDC {
 public:
  virtual BOOL IsPrinting() const = 0;
  virtual void SelectFont(const CString& face, WORD pointSize, UINT style) = 0;
  virtual void FillRect(const CRect& rect, COLORREF color) = 0;
  virtual void SetTextColor(COLORREF color) = 0;
  // A run in an ordinary font, left to right from its top left; clip null
  // for none.
  virtual void DrawRunText(int x, int y, const CString& letters, const CRect* clip) = 0;
  // A run in one of the program's Hebrew fonts, letters with their points,
  // drawn right to left from its top right.
  virtual void DrawHebrewText(int right, int top, const CString& letters, const CString& points,
                              COLORREF color, const CRect* clip) = 0;

 protected:
  ~IDocPaintDC() = default;
};

// Colours of the side not being edited, on the screen.
constexpr COLORREF kInactiveTextColor = 0xC0C0C0;
constexpr COLORREF kInactiveSelectionColor = 0xA4A0A0;
// The point code of a character without a point.
constexpr BYTE kNoPointCode = 1;

enum DocPaintPass { kBackgroundPass, kTextPass };

// What one painting pass carries from character to character: the side
// and the part of it painted, and the run in hand with its font and colours.
struct PaintRunState {
  static constexpr CharAttr kNoAttr = 0xFFFFFFFF;
  static constexpr int kNoIndex = -1;

  int side = 0;
  const DocCharNode* start = nullptr;
  const DocCharNode* end = nullptr;
  CharAttr attr = kNoAttr;
  CString face;
  WORD pointSize = 0;
  UINT style = 0;
  BOOL fontSelected = FALSE;
  BOOL hebrewFace = FALSE;  // the face is one of the program's Hebrew fonts
  BOOL inSelection = FALSE;
  int backIndex = kNoIndex;
  COLORREF backColor = 0;
  BOOL textColorKnown = FALSE;
  COLORREF textColor = 0;
  // The run's letters and points, kept with their room from run to run.
  std::string letters;
  std::string points;
  CRect rect;  // the union of the run's character rectangles, unscaled
  CRect clip;
};

class DocRunPainter {
 public:
  DocRunPainter(DocTextModel& model, const DocPageView& pages, IDocPaintDC& dc)
      : m_model(model), m_pages(pages), m_dc(dc) {}

  // Starts a side (and empties the run and the clip); start and end, when
  // given, limit painting to the characters from start to end.
  void BeginSide(int side, const DocCharNode* start = nullptr, const DocCharNode* end = nullptr);
  // The part of a line the text pass paints; null for all of it.
  void SetClip(const CRect* clip);
  void PaintLine(const DocLineNode* line, DocPaintPass pass);
  void FlushRun(DocPaintPass pass);
  // Both sides' text on the pages meeting the clip: backgrounds, then text;
  // in each pass the side not being edited first.
  void PaintPages(const CRect& clip);
  // The lines of one page on a printer, both passes, the English side
  // first: each side's text area is scaled onto its print area (in printer
  // pixels; an empty one leaves the side out).
  void PrintPage(int page, const CRect printAreas[kDocSideCount]);
  // The repaint after an edit of the side being edited, in the client area:
  // each line from the one holding first to the one holding last is cleared
  // and painted in place, the other side's visible lines under it drawn
  // again before its text; then what lies below the last page's last line
  // is cleared around the other side's lines.
  void RepaintLineRange(const DocCharNode* first, const DocCharNode* last, const CRect& client,
                        const DocVisibleLines& visible);

 private:
  // The run takes a new attribute word, flushing what it holds whenever the
  // font or a colour changes.
  void TakeAttr(CharAttr attr, DocPaintPass pass);
  void TakeFont(CharAttr attr, DocPaintPass pass);
  void TakeColors(CharAttr attr, DocPaintPass pass);
  void Append(const DocCharNode* c, int left, int right, const CRect& line);
  BOOL IsActiveSide() const { return m_run.side == m_model.GetCurrentSide(); }
  COLORREF TableColor(const CDWordArray& table, UINT index, COLORREF fallback) const;
  void PaintPageLines(int page, const CRect& clip, DocPaintPass pass);
  // Clears the area around the other side's lines with the edited side's
  // background.
  void FillLineGaps(const CRect& area, const DocVisibleLines& visible);
  // Draws the text of the other side's lines within the area again.
  void RepaintOtherSide(const CRect& area, const DocVisibleLines& visible);

  DocTextModel& m_model;
  const DocPageView& m_pages;
  IDocPaintDC& m_dc;
  PaintRunState m_run;
  // While printing: view rectangles are taken from the text area's top left
  // to the print area's, scaled.
  BOOL m_bScaled = FALSE;
  CPoint m_scaleFrom, m_scaleTo;
  double m_scaleX = 1.0, m_scaleY = 1.0;
  CRect Scaled(const CRect& rect) const;
};
