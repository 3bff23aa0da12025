#include "speech/win/CPhonemeSetDlg.h"

#include <string>
#include <vector>

#include "classlib/win/CFontDialog.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/ProfileStore.h"
#include "hebtext/win/CPromptDlg.h"
#include "resources/PhonemeSetIds.h"
#include "speech/core/PhonemeFont.h"
#include "speech/core/PhonemeSets.h"

namespace {

constexpr char kLabelFace[] = "Arial";
constexpr WORD kLabelPoints = 11;
constexpr BYTE kRegular = 0;
constexpr int kSpellingLimit = kPhonemeSlotSize - 1;
constexpr int kPointsPerInch = 72;

int SlotEditId(int slot) { return IDC_PHONEME_SLOT_EDIT + slot; }
int SlotLabelId(int slot) { return IDC_PHONEME_SLOT_LABEL + slot; }

CString ComboText(HWND hDialog, int index) {
  const HWND hCombo = ::GetDlgItem(hDialog, IDC_PHONEME_SET_COMBO);
  const LRESULT length = ::SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return CString();
  std::vector<char> text(static_cast<size_t>(length) + 1);
  ::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  return CString(text.data());
}

LRESULT SendItem(HWND hDialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendDlgItemMessageA(hDialog, id, message, wParam, lParam);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPhonemeSetDlg, CDialog)
  ON_CBN_SELENDOK(IDC_PHONEME_SET_COMBO, OnSetChosen)
  ON_BN_CLICKED(IDC_PHONEME_SET_NEW, OnNewSet)
  ON_BN_CLICKED(IDC_PHONEME_SET_DELETE, OnDeleteSet)
  ON_BN_CLICKED(IDC_PHONEME_SET_RESET, OnResetSet)
  ON_BN_CLICKED(IDC_PHONEME_FONT_CHANGE, OnChangeFont)
  ON_BN_CLICKED(IDC_PHONEME_FONT_RESET, OnResetFont)
END_MESSAGE_MAP()

CPhonemeSetDlg::CPhonemeSetDlg(IProfileStore& profile, CFontInfo& transliterationFont,
                               CWnd* pParent)
    : CDialog(IDD, pParent), m_profile(profile), m_transliterationFont(transliterationFont) {}

CPhonemeSetDlg::~CPhonemeSetDlg() = default;

BOOL CPhonemeSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CClientDC dc(this);
  m_labelFont.Set(&dc, kLabelFace, kLabelPoints, kRegular, TRUE);
  for (int slot = 0; slot < kPhonemeSlots; ++slot) {
    if (CWnd* pLabel = GetDlgItem(SlotLabelId(slot))) pLabel->SetFont(m_labelFont.GetFont());
    SendItem(m_hWnd, SlotEditId(slot), EM_LIMITTEXT, kSpellingLimit, 0);
  }
  DescribeFont();
  FitEditFont();

  SendItem(m_hWnd, IDC_PHONEME_SET_COMBO, CB_SETEXTENDEDUI, TRUE, 0);
  m_sets.Read(m_profile);
  for (int index = 0; index < m_sets.Count(); ++index)
    SendItem(m_hWnd, IDC_PHONEME_SET_COMBO, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(m_sets.Name(index).c_str()));
  ChooseSet(g_activePhonemeSet < m_sets.Count() ? g_activePhonemeSet : -1);
  ShowSet(ChosenSet());
  UpdateButtons();
  return TRUE;
}

int CPhonemeSetDlg::ChosenSet() const {
  return static_cast<int>(SendItem(m_hWnd, IDC_PHONEME_SET_COMBO, CB_GETCURSEL, 0, 0));
}

void CPhonemeSetDlg::ChooseSet(int index) {
  SendItem(m_hWnd, IDC_PHONEME_SET_COMBO, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CPhonemeSetDlg::KeepShownSet() {
  if (m_shownSet < 0 || m_shownSet >= m_sets.Count()) return;
  std::vector<std::string> spellings;
  for (int slot = 0; slot < kPhonemeSlots; ++slot) {
    CString text;
    GetDlgItemText(SlotEditId(slot), text);
    spellings.emplace_back(static_cast<LPCSTR>(text));
  }
  m_sets.Keep(m_shownSet, static_cast<LPCSTR>(ComboText(m_hWnd, m_shownSet)), spellings);
}

void CPhonemeSetDlg::ShowSet(int index) {
  m_shownSet = index;
  if (index < 0) return;
  // Boxes past the set's last spelling keep what they show.
  const std::vector<std::string> spellings = PhonemeSetSpellings(m_sets.Text(index));
  for (size_t slot = 0; slot < spellings.size(); ++slot)
    SetDlgItemText(SlotEditId(static_cast<int>(slot)), spellings[slot].c_str());
}

void CPhonemeSetDlg::UpdateButtons() {
  const int chosen = ChosenSet();
  const bool builtIn = IsBuiltInPhonemeSet(chosen);
  const struct {
    UINT id;
    bool enable;
  } buttons[] = {{IDC_PHONEME_SET_RESET, builtIn},
                 {IDC_PHONEME_SET_DELETE, chosen >= 0 && !builtIn},
                 {IDC_PHONEME_SET_NEW, !m_sets.IsFull()}};
  for (const auto& button : buttons) {
    CWnd* pButton = GetDlgItem(button.id);
    if (pButton == nullptr) continue;
    // The focus does not stay on a button that is greyed.
    if (!button.enable && ::GetFocus() == pButton->m_hWnd)
      GetDlgItem(IDC_PHONEME_SET_COMBO)->SetFocus();
    pButton->EnableWindow(button.enable);
  }
}

void CPhonemeSetDlg::OnSetChosen() {
  KeepShownSet();
  ShowSet(ChosenSet());
  UpdateButtons();
}

void CPhonemeSetDlg::OnNewSet() {
  CPromptDlg prompt(this);
  prompt.m_strPrompt = "Please Enter a Name for the New Phoneme Set:";
  if (prompt.DoModal() != IDOK || prompt.m_strAnswer.IsEmpty() ||
      m_sets.HasName(static_cast<LPCSTR>(prompt.m_strAnswer)))
    return;
  KeepShownSet();
  SendItem(m_hWnd, IDC_PHONEME_SET_COMBO, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(static_cast<LPCSTR>(prompt.m_strAnswer)));
  m_sets.Add();
  // The boxes keep their spellings: they become the new set's.
  m_shownSet = m_sets.Count() - 1;
  ChooseSet(m_shownSet);
  UpdateButtons();
}

void CPhonemeSetDlg::OnDeleteSet() {
  const int chosen = ChosenSet();
  if (chosen < 0) return;
  CString question;
  question.Format("Do you really want to delete the phoneme set '%s'?",
                  m_sets.Name(chosen).c_str());
  if (MessageBox(question, nullptr, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  SendItem(m_hWnd, IDC_PHONEME_SET_COMBO, CB_DELETESTRING, static_cast<WPARAM>(chosen), 0);
  m_sets.Remove(chosen);
  const int next = SelectionAfterDelete(chosen, m_sets.Count());
  ChooseSet(next);
  ShowSet(next);
  UpdateButtons();
}

void CPhonemeSetDlg::OnResetSet() {
  const int chosen = ChosenSet();
  if (!IsBuiltInPhonemeSet(chosen)) return;
  CString text;
  GetBuiltInPhonemeSet(chosen, text);
  m_sets.Replace(chosen, static_cast<LPCSTR>(text));
  ShowSet(chosen);
}

void CPhonemeSetDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  const int chosen = ChosenSet();
  if (chosen >= 0) {
    KeepShownSet();
    SaveActivePhonemeSet(m_profile, chosen);
    FillPhonemeTable(m_sets.Text(chosen).c_str());
  }
  m_sets.Write(m_profile);
  EndDialog(IDOK);
}

void CPhonemeSetDlg::OnChangeFont() {
  LOGFONT current = *m_transliterationFont.GetLogFont();
  CFontDialog dialog(&current, CF_SCREENFONTS | CF_EFFECTS, nullptr, this);
  if (dialog.DoModal() != IDOK) return;
  LOGFONT chosen;
  dialog.GetCurrentFont(&chosen);
  UseTransliterationFont(chosen);
}

void CPhonemeSetDlg::OnResetFont() {
  CClientDC dc(this);
  LogFontRecord font;
  DefaultPhonemeFont(dc.GetDeviceCaps(LOGPIXELSY), font);
  UseTransliterationFont(font);
}

void CPhonemeSetDlg::UseTransliterationFont(const LOGFONT& logFont) {
  SavePhonemeFont(m_profile, logFont);
  CClientDC dc(this);
  m_transliterationFont.SetFromLogFont(&dc, logFont);
  m_transliterationFont.MeasureCharWidths(&dc);
  DescribeFont();
  FitEditFont();
}

void CPhonemeSetDlg::DescribeFont() {
  CClientDC dc(this);
  m_transliterationFont.MeasureMetrics(&dc);
  const TEXTMETRIC& metrics = m_transliterationFont.GetTextMetrics();
  const int points = ::MulDiv(metrics.tmHeight - metrics.tmInternalLeading, kPointsPerInch,
                              dc.GetDeviceCaps(LOGPIXELSY));
  const LOGFONT* pLogFont = m_transliterationFont.GetLogFont();
  SetDlgItemText(IDC_PHONEME_FONT_TEXT,
                 DescribePhonemeFont(pLogFont->lfFaceName, points, pLogFont->lfWeight,
                                     pLogFont->lfItalic != 0)
                     .c_str());
}

void CPhonemeSetDlg::FitEditFont() {
  m_pEditFont = std::make_unique<CFont>();
  LOGFONT logFont = *m_labelFont.GetLogFont();
  const LOGFONT& transliteration = *m_transliterationFont.GetLogFont();
  if (lstrcmpiA(transliteration.lfFaceName, logFont.lfFaceName) != 0) {
    CClientDC dc(this);
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    logFont = transliteration;
    const auto lineHeightAt = [&](int points) {
      LOGFONT sized = transliteration;
      sized.lfHeight = -::MulDiv(points, dpi, kPointsPerInch);
      CFontInfo font(&dc, sized);
      font.MeasureMetrics(&dc);
      return font.GetLineHeight();
    };
    logFont.lfHeight =
        -::MulDiv(FitPointSize(m_labelFont.GetLineHeight(), lineHeightAt), dpi, kPointsPerInch);
  }
  m_pEditFont->CreateFontIndirect(&logFont);
  for (int slot = 0; slot < kPhonemeSlots; ++slot)
    if (CWnd* pEdit = GetDlgItem(SlotEditId(slot))) pEdit->SetFont(m_pEditFont.get(), TRUE);
}
