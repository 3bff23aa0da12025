#include "speech/win/CWordPopupDlg.h"

#include <vector>

#include "classlib/win/WindowDCs.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "resources/WordPopupIds.h"

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kTextColor = RGB(0, 0, 128);
const char kPointedFace[] = "Pomlar Sephardi 2";
const char kPlainFace[] = "Times New Roman";
constexpr WORD kPointSize = 14;
}  // namespace

BEGIN_MESSAGE_MAP(CWordPopupDlg, CDialog)
  ON_WM_TIMER()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CWordPopupDlg::CWordPopupDlg(UINT displayMs, LPCSTR letters, LPCSTR vowels,
                             const CByteArray& wordData, BOOL pointed, CWnd* pParent)
    : CDialog(IDD_WORD_POPUP, pParent),
      m_letters(letters),
      m_vowels(vowels),
      m_pointed(pointed),
      m_displayMs(displayMs) {
  m_wordData.Copy(wordData);
}

CWordPopupDlg::CWordPopupDlg(UINT displayMs, LPCSTR message, CWnd* pParent)
    : CDialog(IDD_WORD_POPUP, pParent), m_message(message), m_displayMs(displayMs) {}

BOOL CWordPopupDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_timer = SetTimer(kCloseTimer, m_displayMs, nullptr);
  CenterWindow();
  return TRUE;
}

void CWordPopupDlg::StopTimer() {
  if (m_timer != 0) KillTimer(m_timer);
  m_timer = 0;
}

void CWordPopupDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kCloseTimer) return;
  StopTimer();
  OnOK();
}

void CWordPopupDlg::OnOK() {
  StopTimer();
  CDialog::OnOK();
}

void CWordPopupDlg::OnCancel() {
  StopTimer();
  CDialog::OnCancel();
}

BOOL CWordPopupDlg::OnEraseBkgnd(CDC*) { return TRUE; }

void CWordPopupDlg::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, kWhite);
  dc.SetTextColor(kTextColor);
  dc.SetBkMode(TRANSPARENT);
  CFontInfo font(&dc, m_pointed ? kPointedFace : kPlainFace, kPointSize, 0);
  CFont* pOldFont = dc.SelectObject(font.GetFont());
  // The notice in the upper part, the word centred below it.
  CRect upper = client;
  upper.bottom = client.top + client.Height() / 2;
  if (!m_message.IsEmpty()) {
    CRect measured = upper;
    dc.DrawText(m_message, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    CRect placed = upper;
    placed.top += (upper.Height() - measured.Height()) / 2;
    dc.DrawText(m_message, &placed, DT_CENTER | DT_WORDBREAK);
  }
  if (!m_letters.IsEmpty()) {
    const int y = upper.bottom + (client.bottom - upper.bottom - font.GetLineHeight()) / 2;
    if (m_pointed) {
      const int count = m_letters.GetLength();
      std::vector<BYTE> letters(count + 1, 0), vowels(count + 1, 0);
      for (int i = 0; i < count; i++) {
        letters[i] = static_cast<BYTE>(m_letters[i]);
        if (i < m_vowels.GetLength()) vowels[i] = static_cast<BYTE>(m_vowels[i]);
      }
      const int width = MeasureHebrewText(font, letters.data(), vowels.data(), count, TRUE);
      DrawHebrewText(&dc, &font, client.CenterPoint().x + width / 2, y, letters.data(),
                     vowels.data(), count, kTextColor, kTextColor, TRUE, kQamatsQatanAsText,
                     nullptr, FALSE, kTextColor, kTextColor, kNoHighlight);
    } else {
      const CSize extent = dc.GetTextExtent(m_letters);
      dc.TextOut(client.CenterPoint().x - extent.cx / 2, y, m_letters);
    }
  }
  dc.SelectObject(pOldFont);
}
