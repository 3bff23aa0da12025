#include "tables/win/GrammarHoverTip.h"

#include <utility>

#include "classlib/win/CWinApp.h"
#include "tables/win/CTipWnd.h"
#include "tables/win/MyFormView.h"

namespace {
constexpr UINT_PTR kHoverTimerId = 101;
constexpr UINT kHoverDelayMs = 500;
}  // namespace

CGrammarHoverTip::CGrammarHoverTip(CMyFormView* pView, CaptionHitTest hitTest, CaptionText text,
                                   CaptionRect rect)
    : m_pView(pView),
      m_hitTest(std::move(hitTest)),
      m_text(std::move(text)),
      m_rect(std::move(rect)) {}

CGrammarHoverTip::~CGrammarHoverTip() = default;

void CGrammarHoverTip::Close() {
  if (m_nTimer != 0 && m_pView->m_hWnd != nullptr) m_pView->KillTimer(m_nTimer);
  m_nTimer = 0;
  if (m_pTip != nullptr && m_pTip->m_hWnd != nullptr) m_pTip->DestroyWindow();
  m_pTip.reset();
  m_hovered = -1;
}

void CGrammarHoverTip::OnMouseMove(CPoint point, bool tableShown) {
  CWnd* pMain = AfxGetMainWnd();
  if (!tableShown || pMain == nullptr || ::GetActiveWindow() != pMain->m_hWnd) return;
  int caption = m_hitTest(m_pView->DeviceToLogical(point));
  // A miss leaves the tip as it is: it closes itself when the mouse leaves.
  if (caption < 0 || caption == m_hovered) return;
  Close();
  m_hovered = caption;
  m_nTimer = m_pView->SetTimer(kHoverTimerId, kHoverDelayMs);
}

bool CGrammarHoverTip::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kHoverTimerId) return false;
  m_pView->KillTimer(kHoverTimerId);
  m_nTimer = 0;
  CPoint cursor;
  ::GetCursorPos(&cursor);
  CPoint client = cursor;
  m_pView->ScreenToClient(&client);
  int caption = m_hitTest(m_pView->DeviceToLogical(client));
  std::string text = caption >= 0 && caption == m_hovered ? m_text(caption) : std::string();
  if (text.empty()) {
    m_hovered = -1;
    return true;
  }
  CRect hot = m_pView->LogicalToDevice(m_rect(caption));
  m_pView->ClientToScreen(&hot);
  m_pTip = std::make_unique<CTipWnd>(m_pView, cursor.x, cursor.y, hot, text.c_str());
  if (!m_pTip->CreateTip()) m_pTip.reset();
  return true;
}
