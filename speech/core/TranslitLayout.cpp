#include "speech/core/TranslitLayout.h"

#include <algorithm>
#include <climits>

namespace {

constexpr char kStressedMark = '*';
constexpr char kUnstressedMark = '-';
constexpr char kLineBreak = '\r';

struct Piece {
  std::string text;
  bool stressed;
  bool endsLine;
  bool beginsWord;
};

// The runs as drawn: each ends where the next mark or a line break begins.
std::vector<Piece> SplitRuns(const std::string& text) {
  std::vector<Piece> pieces;
  size_t at = 0;
  bool wordStart = true;
  while (at < text.size()) {
    const bool marked = text[at] == kStressedMark || text[at] == kUnstressedMark;
    Piece piece{"", marked && text[at] == kStressedMark, false, wordStart};
    if (marked) ++at;
    while (at < text.size() && text[at] != kStressedMark && text[at] != kUnstressedMark &&
           text[at] != kLineBreak) {
      piece.text += text[at++];
    }
    if (at < text.size() && text[at] == kLineBreak) {
      piece.text += ' ';
      piece.endsLine = true;
      ++at;
    } else if (piece.text.find(' ') == std::string::npos) {
      piece.text += at < text.size() ? kUnstressedMark : ' ';
    }
    wordStart = piece.text.back() == ' ';
    pieces.push_back(piece);
  }
  return pieces;
}

}  // namespace

int LayoutTranslitRuns(const std::string& text, const TextWidth& width, int lineHeight,
                       TranslitArea* area, std::vector<TranslitRun>& runs) {
  runs.clear();
  const int left = area ? area->left : 0, top = area ? area->top : 0;
  const int right = area ? area->right : INT_MAX, bottom = area ? area->bottom : INT_MAX;
  if (area != nullptr && lineHeight > area->Height()) return 0;
  const int indent = width(" ");
  int lines = 1, x = left + indent, widest = 0;
  bool lineEmpty = true;
  for (const Piece& piece : SplitRuns(text)) {
    const int w = width(piece.text);
    if (area != nullptr && x + w > right && !lineEmpty) {
      if (!piece.beginsWord) return 0;
      ++lines;
      x = left + indent;
      lineEmpty = true;
    }
    if (area != nullptr && (x + w > right || top + lines * lineHeight > bottom)) return 0;
    runs.push_back(TranslitRun{piece.text, piece.stressed, x, top + (lines - 1) * lineHeight});
    x += w;
    widest = std::max(widest, x - left);
    lineEmpty = false;
    if (piece.endsLine) {
      ++lines;
      x = left + indent;
      lineEmpty = true;
      if (area != nullptr && top + lines * lineHeight > bottom) return 0;
    }
  }
  if (lineEmpty && lines > 1) --lines;  // a break at the very end opens no line
  if (area != nullptr) {
    area->right = area->left + widest;
    area->bottom = area->top + lines * lineHeight;
  }
  return lines;
}

namespace {

TranslitArea Inflate(const TranslitArea& a, int by) {
  return TranslitArea{a.left - by, a.top - by, a.right + by, a.bottom + by};
}

// Moves the rectangle into the bounds where it can.
void KeepInside(TranslitArea& r, const TranslitArea& bounds) {
  const int w = r.Width(), h = r.Height();
  r.left = std::max(bounds.left, std::min(r.left, bounds.right - w));
  r.top = std::max(bounds.top, std::min(r.top, bounds.bottom - h));
  r.right = r.left + w;
  r.bottom = r.top + h;
}

void PlaceByPoint(int textWidth, int textHeight, const TranslitPlacement& p, TranslitArea& popup) {
  const int w = textWidth + 2 * p.frame, h = textHeight + 2 * p.frame;
  popup = TranslitArea{p.pointX - w, p.pointY, p.pointX, p.pointY + h};
  if (popup.left < p.parent.left) {
    popup = TranslitArea{p.parent.left, p.word.bottom, p.parent.left + w, p.word.bottom + h};
    if (popup.bottom > p.parent.bottom) {
      const int bottomY = std::max(p.parent.top + h, p.pointY);
      popup.top = bottomY - h;
      popup.bottom = bottomY;
    }
  }
}

}  // namespace

bool PlaceTranslitPopup(const std::string& text, const TextWidth& width, int lineHeight,
                        const TranslitPlacement& p, TranslitArea& popup, TranslitArea& textArea) {
  std::vector<TranslitRun> runs;
  TranslitArea oneLine;
  const int lines = LayoutTranslitRuns(text, width, lineHeight, nullptr, runs);
  int lineWidth = 0;
  for (const TranslitRun& run : runs) lineWidth = std::max(lineWidth, run.x + width(run.text));
  oneLine.right = lineWidth;
  oneLine.bottom = lines * lineHeight;
  if (p.byPoint && p.hasPoint && lines == 1 && lineWidth + 2 * p.frame <= p.parent.Width()) {
    PlaceByPoint(oneLine.Width(), oneLine.Height(), p, popup);
    textArea = TranslitArea{popup.left + p.frame, popup.top + p.frame, popup.right - p.frame,
                            popup.bottom - p.frame};
    return true;
  }
  enum Side { kAbove, kLeft, kBelow, kRight };
  struct Candidate {
    Side side;
    TranslitArea area;
  };
  const TranslitArea& w = p.word;
  const TranslitArea& b = p.parent;
  std::vector<Candidate> candidates = {
      {kAbove, {b.left, b.top, b.right, std::min(w.top, b.bottom)}},
      {kLeft, {b.left, b.top, std::min(w.left, b.right), b.bottom}},
      {kBelow, {b.left, std::max(w.bottom, b.top), b.right, b.bottom}},
      {kRight, {std::max(w.right, b.left), b.top, b.right, b.bottom}},
  };
  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& c) {
    return a.area.Width() > c.area.Width();
  });
  for (const Candidate& c : candidates) {
    TranslitArea inner = Inflate(c.area, -p.frame);
    if (inner.Width() <= 0 || inner.Height() <= 0) continue;
    if (LayoutTranslitRuns(text, width, lineHeight, &inner, runs) == 0) continue;
    const int pw = inner.Width() + 2 * p.frame, ph = inner.Height() + 2 * p.frame;
    const int centre = (w.left + w.right) / 2;
    switch (c.side) {
      case kAbove:
        popup = {centre - pw / 2, c.area.bottom - ph, centre - pw / 2 + pw, c.area.bottom};
        break;
      case kBelow:
        popup = {centre - pw / 2, c.area.top, centre - pw / 2 + pw, c.area.top + ph};
        break;
      case kLeft:
        popup = {c.area.right - pw, w.top, c.area.right, w.top + ph};
        break;
      case kRight:
        popup = {c.area.left, w.top, c.area.left + pw, w.top + ph};
        break;
    }
    KeepInside(popup, c.area);
    textArea = Inflate(popup, -p.frame);
    return true;
  }
  return false;
}
