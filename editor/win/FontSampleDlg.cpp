#include "editor/win/FontSampleDlg.h"

#include "classlib/win/WindowDCs.h"
#include "editor/core/FontSizeBox.h"
#include "editor/win/FontSizeCombo.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/FontFaceEnum.h"
#include "resources/FontDialogIds.h"

namespace {

// Tav, shin, resh, blank, gimel, bet, alef in the program's Hebrew code.
const char kHebrewSample[] = "\xFA\xF9\xF8 \xE2\xE1\xE0";
const char kEnglishSample[] = "abc xyz";
constexpr COLORREF kSampleTextColor = RGB(255, 0, 0);
// Room for a face name or a combo's entry.
constexpr int kComboTextSize = LF_FACESIZE + 16;

}  // namespace

BEGIN_MESSAGE_MAP(CFontSampleDlg, CDialog)
  ON_WM_PAINT()
  ON_CONTROL(CBN_SELCHANGE, IDC_FONT_FACE_COMBO, OnComboChange)
  ON_CONTROL(CBN_EDITCHANGE, IDC_FONT_FACE_COMBO, OnComboChange)
  ON_CONTROL(CBN_SELCHANGE, IDC_FONT_STYLE_COMBO, OnComboChange)
  ON_CONTROL(CBN_EDITCHANGE, IDC_FONT_STYLE_COMBO, OnComboChange)
  ON_CONTROL(CBN_SELCHANGE, IDC_FONT_SIZE_COMBO, OnComboChange)
  ON_CONTROL(CBN_EDITCHANGE, IDC_FONT_SIZE_COMBO, OnComboChange)
  ON_MESSAGE(WM_FONT_SAMPLE_UPDATE, OnFontSampleUpdate)
END_MESSAGE_MAP()

CFontSampleDlg::CFontSampleDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

BOOL CFontSampleDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The frame control only marks the sample's place: the dialog paints it.
  if (HWND hFrame = ::GetDlgItem(m_hWnd, IDC_FONT_SAMPLE)) {
    ::GetWindowRect(hFrame, &m_sampleRect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&m_sampleRect), 2);
    ::ShowWindow(hFrame, SW_HIDE);
  }
  return TRUE;
}

void CFontSampleDlg::OnOK() {
  if (ReadFontControls()) {
    EndDialog(IDOK);
    return;
  }
  EnableConfirm(FALSE);
  if (CWnd* pSize = GetDlgItem(IDC_FONT_SIZE_COMBO)) GotoDlgCtrl(pSize);
}

void CFontSampleDlg::EnableConfirm(BOOL enable) {
  ::EnableWindow(::GetDlgItem(m_hWnd, IDOK), enable);
}

void CFontSampleDlg::FillFaceCombo(BOOL hebrewFirst) {
  CStringArray faces;
  {
    CClientDC dc(this);
    EnumerateFontFaces(dc.GetSafeHdc(), faces,
                       hebrewFirst ? kFontListHebrewFirst : kFontListSorted);
  }
  HWND hCombo = ::GetDlgItem(m_hWnd, IDC_FONT_FACE_COMBO);
  for (int i = 0; i < faces.GetSize(); i++)
    ::SendMessageA(hCombo, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(faces[i])));
  // Faces differing in case only are one face.
  const LRESULT index = ::SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_font.face)));
  if (index != CB_ERR) ::SendMessageA(hCombo, CB_SETCURSEL, index, 0);
}

void CFontSampleDlg::FillSizeCombo() {
  HWND hCombo = ::GetDlgItem(m_hWnd, IDC_FONT_SIZE_COMBO);
  ::SendMessageA(hCombo, CB_LIMITTEXT, kMaxBoxFontSizeDigits, 0);
  const CString sizeText = FontSizeBoxText(m_font.size);
  FillFontSizeCombo(this, IDC_FONT_SIZE_COMBO, sizeText);
  if (!SelectComboText(IDC_FONT_SIZE_COMBO, sizeText)) ::SetWindowTextA(hCombo, sizeText);
}

CString CFontSampleDlg::ChosenFace() const {
  HWND hCombo = ::GetDlgItem(m_hWnd, IDC_FONT_FACE_COMBO);
  const int index = static_cast<int>(::SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
  if (index < 0 || ::SendMessageA(hCombo, CB_GETLBTEXTLEN, index, 0) >= kComboTextSize)
    return m_font.face;
  char text[kComboTextSize] = "";
  ::SendMessageA(hCombo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

WORD CFontSampleDlg::TypedSize() const {
  return ParseTypedFontSize(ComboText(IDC_FONT_SIZE_COMBO));
}

BOOL CFontSampleDlg::SelectComboText(int nComboId, LPCSTR text) {
  HWND hCombo = ::GetDlgItem(m_hWnd, nComboId);
  const LRESULT index = ::SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
  if (index == CB_ERR) return FALSE;
  ::SendMessageA(hCombo, CB_SETCURSEL, index, 0);
  return TRUE;
}

CString CFontSampleDlg::ComboText(int nComboId) const {
  char text[kComboTextSize] = "";
  ::GetDlgItemTextA(m_hWnd, nComboId, text, kComboTextSize);
  return text;
}

void CFontSampleDlg::OnComboChange() { PostMessage(WM_FONT_SAMPLE_UPDATE); }

LRESULT CFontSampleDlg::OnFontSampleUpdate(WPARAM, LPARAM) {
  EnableConfirm(ReadFontControls());
  ::InvalidateRect(m_hWnd, &m_sampleRect, FALSE);
  ::UpdateWindow(m_hWnd);
  return 0;
}

void CFontSampleDlg::OnPaint() {
  CPaintDC dc(this);
  PaintSample(&dc);
}

void CFontSampleDlg::PaintSample(CDC* pDC) {
  if (m_sampleRect.IsRectEmpty()) return;
  HDC hDC = pDC->GetSafeHdc();
  HGDIOBJ oldPen = ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
  HGDIOBJ oldBrush = ::SelectObject(hDC, ::GetStockObject(WHITE_BRUSH));
  pDC->Rectangle(&m_sampleRect);
  ::SelectObject(hDC, oldBrush);
  ::SelectObject(hDC, oldPen);

  CFontInfo font(pDC, m_font.face, m_font.size, static_cast<BYTE>(m_font.style));
  CFont* pOldFont = pDC->SelectObject(font.GetFont());
  pDC->SetTextColor(kSampleTextColor);
  pDC->SetBkMode(TRANSPARENT);
  CRect inside = m_sampleRect;
  inside.DeflateRect(1, 1);
  const int saved = ::SaveDC(hDC);
  ::IntersectClipRect(hDC, inside.left, inside.top, inside.right, inside.bottom);
  pDC->DrawText(IsProgramHebrewFont(m_font.face) ? kHebrewSample : kEnglishSample, -1, &inside,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::RestoreDC(hDC, saved);
  pDC->SelectObject(pOldFont);
}
