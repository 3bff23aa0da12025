// Where the Hebrew edit control's text and caret stand, the hit test, sideways
// scrolling and what a paint draws.
#include <stdint.h>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebEditModel.h"

namespace {

// MulDiv: rounded a * b / c.
int MulDivRound(int a, int b, int c) {
  const int64_t product = static_cast<int64_t>(a) * b;
  const int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

BOOL Meets(const RECT& a, const RECT& b) {
  return a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
}

void AddFill(HebEditPaintPlan& plan, int left, int top, int right, int bottom) {
  if (left >= right || top >= bottom) return;
  plan.fills[plan.fillCount++] = RECT{left, top, right, bottom};
}

}  // namespace

void HebEditModel::SetClientSize(int width, int height) {
  m_clientWidth = width;
  m_clientHeight = height;
  m_leftEdge = m_sentinel.width;
  m_rightEdge = width - m_sentinel.width;
}

int HebEditModel::GetTextWidth() const {
  int width = 0;
  for (const HebCharNode* p = &m_sentinel; p != nullptr; p = p->pNext) width += p->width;
  return width;
}

// The widths of the characters from the first up to and including pNode.
int HebEditModel::WidthBefore(const HebCharNode* pNode) const {
  int width = 0;
  for (const HebCharNode* p = m_sentinel.pNext; p != nullptr; p = p->pNext) {
    width += p->width;
    if (p == pNode) break;
  }
  return pNode == &m_sentinel ? 0 : width;
}

POINT HebEditModel::GetCaretPoint() const {
  const int w = WidthBefore(m_pCaret);
  const int x =
      m_rightToLeft ? (m_rightEdge - 1) - w + m_scrollOffset : m_leftEdge + w - m_scrollOffset;
  return POINT{x, kTextTop};
}

HebCharNode* HebEditModel::HitTest(int x) const {
  HebCharNode* pSentinel = const_cast<HebCharNode*>(&m_sentinel);
  const int start = m_rightToLeft ? m_rightEdge + m_scrollOffset : m_leftEdge - m_scrollOffset;
  if (m_rightToLeft ? x >= start : x <= start) return pSentinel;
  int edge = start;
  HebCharNode* p = pSentinel;
  for (; p->pNext != nullptr; p = p->pNext) {
    const int left = m_rightToLeft ? edge - p->width : edge;
    const int right = m_rightToLeft ? edge : edge + p->width;
    if (x >= left && x <= right) {
      const int middle = (left + right) / 2;
      // The half nearer the character's start puts the caret before it.
      const BOOL before = m_rightToLeft ? x > middle : x < middle;
      if (!before) return p;
      return p->pPrev != nullptr ? p->pPrev : pSentinel;
    }
    edge = m_rightToLeft ? left : right;
  }
  return p;
}

BOOL HebEditModel::ScrollCaretIntoView() {
  const POINT caret = GetCaretPoint();
  if (caret.x >= 0 && caret.x < m_clientWidth && caret.y >= 0 && caret.y < m_clientHeight) {
    return FALSE;
  }
  const int x = caret.x;
  const int u = m_rightToLeft ? x - m_scrollOffset : x + m_scrollOffset;
  const int q1 = MulDivRound(m_clientWidth, 1, 4);
  const int q3 = MulDivRound(m_clientWidth, 3, 4);
  const BOOL onLast = m_pCaret != &m_sentinel && IsLastNode(m_pCaret);
  int offset = m_scrollOffset;
  if (m_pCaret == &m_sentinel) {
    offset = 0;
  } else if (m_rightToLeft) {
    if (u < 1) {
      if (x >= q3) {
        offset = q3 - u;
      } else if (onLast && GetTextWidth() - m_rightEdge - m_scrollOffset < m_pCaret->width) {
        offset = m_scrollOffset + m_pCaret->width;
      } else {
        offset = q1 - u;
      }
    } else {
      offset = q3 - u < 0 ? 0 : q3 - u;
    }
  } else if (u >= m_rightEdge) {
    if (x >= q3) {
      offset = u - q3;
    } else if (onLast && GetTextWidth() - m_scrollOffset < m_pCaret->width) {
      offset = m_scrollOffset + m_pCaret->width;
    } else {
      offset = u - q1;
    }
  } else {
    offset = u - q3 < 0 ? 0 : u - q3;
  }
  if (offset == m_scrollOffset) return FALSE;
  m_scrollOffset = offset;
  m_repaintNoted = FALSE;
  NoteRepaint(nullptr, kRepaintAll);
  return TRUE;
}

void HebEditModel::PlanPaint(const RECT& clip, HebEditPaintPlan& plan) const {
  plan.fillCount = 0;
  plan.runCount = 0;
  const int textWidth = GetTextWidth() - m_sentinel.width;
  if (m_repaintMode != kRepaintNode) {
    if (m_sentinel.pNext == nullptr) {
      AddFill(plan, 0, 0, m_clientWidth, m_clientHeight);
      return;
    }
    if (m_rightToLeft) {
      AddFill(plan, m_rightEdge, 0, m_clientWidth, m_clientHeight);
      AddFill(plan, 0, 0, m_rightEdge + m_scrollOffset - textWidth, m_clientHeight);
    } else {
      AddFill(plan, m_leftEdge - m_scrollOffset + textWidth, 0, m_clientWidth, m_clientHeight);
      AddFill(plan, 0, 0, m_leftEdge, m_clientHeight);
    }
    if (m_repaintMode == kRepaintCaret) return;
  }
  if (m_sentinel.pNext == nullptr) return;

  // The runs: before the selection, the selection, after it.
  HebCharNode* pFirst = nullptr;
  HebCharNode* pStop = nullptr;
  const BOOL selection = GetSelectionRange(pFirst, pStop);
  const HebCharNode* pStart = m_pRepaintStart == &m_sentinel ? nullptr : m_pRepaintStart;
  if (m_repaintMode == kRepaintNode && pStart == nullptr) return;
  BOOL painting = pStart == nullptr;
  int run = 0;
  int lastRun = -1;
  HebEditPaintRun* pRun = nullptr;
  int x = m_rightToLeft ? m_rightEdge + m_scrollOffset : m_leftEdge - m_scrollOffset;
  for (const HebCharNode* p = m_sentinel.pNext; p != nullptr; p = p->pNext) {
    if (selection && (p == pFirst || p == pStop)) ++run;
    const int left = m_rightToLeft ? x - p->width : x;
    const int right = m_rightToLeft ? x : x + p->width;
    x = m_rightToLeft ? left : right;
    if (p == pStart) painting = TRUE;
    if (!painting) continue;
    const RECT rect = {left, kTextTop, right, m_lineHeight + kTextTop};
    if (Meets(rect, clip)) {
      if (run != lastRun) {
        lastRun = run;
        pRun = &plan.runs[plan.runCount++];
        pRun->letters.clear();
        pRun->vowels.clear();
        pRun->rect = rect;
        pRun->selected = selection && run == 1;
      } else {
        pRun->rect.left = left < pRun->rect.left ? left : pRun->rect.left;
        pRun->rect.right = right > pRun->rect.right ? right : pRun->rect.right;
      }
      pRun->letters.push_back(p->letter);
      // A run's vowels are a zero-terminated string: "none" is written as 1.
      pRun->vowels.push_back(p->vowel == HebCode::NoVowel ? HebCode::ExplicitNoVowel : p->vowel);
    }
    if (m_repaintMode == kRepaintNode) break;
  }
  for (int i = 0; i < plan.runCount; ++i) {
    plan.runs[i].letters.push_back(0);
    plan.runs[i].vowels.push_back(0);
  }
}
