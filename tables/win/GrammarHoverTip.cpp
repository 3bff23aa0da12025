#include "tables/win/GrammarHoverTip.h"

#include <utility>

#include "classlib/win/CWinApp.h"
#include "tables/win/CTipWnd.h"
#include "tables/win/MyFormView.h"

namespace {

constexpr UINT_PTR kHoverTimerId = 101;
constexpr UINT kHoverDelayMs = 500;

}  // namespace

CGrammarHoverTip::CGrammarHoverTip(CMyFormView* pView, HitTest hitTest, TipText tipText,
                                   HotRect hotRect)
    : m_pView(pView),
      m_hitTest(std::move(hitTest)),
      m_tipText(std::move(tipText)),
      m_hotRect(std::move(hotRect)) {}

CGrammarHoverTip::~CGrammarHoverTip() = default;

void CGrammarHoverTip::OnMouseMove(CPoint point, bool tableShown) {
  CWnd* pMain = AfxGetMainWnd();
  if (!tableShown || pMain == nullptr || ::GetActiveWindow() != pMain->m_hWnd) return;
  const int hot = m_hitTest(m_pView->DeviceToLogical(point));
  if (hot < 0 || hot == m_hovered) return;
  Close();
  m_hovered = hot;
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
  const int hot = m_hitTest(m_pView->DeviceToLogical(client));
  const std::string text = hot == m_hovered && hot >= 0 ? m_tipText(hot) : std::string();
  if (text.empty()) {
    m_hovered = -1;
    return true;
  }
  CRect rect = m_pView->LogicalToDevice(m_hotRect(hot));
  m_pView->ClientToScreen(&rect);
  m_pTip = std::make_unique<CTipWnd>(m_pView, cursor.x, cursor.y, rect, text.c_str());
  if (!m_pTip->CreateTip()) m_pTip.reset();
  return true;
}

void CGrammarHoverTip::Close() {
  if (m_nTimer != 0) m_pView->KillTimer(m_nTimer);
  m_nTimer = 0;
  if (m_pTip != nullptr && m_pTip->m_hWnd != nullptr) m_pTip->DestroyWindow();
  m_pTip.reset();
  m_hovered = -1;
}
