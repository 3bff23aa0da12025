#include "speech/win/CVoiceSettingsDlg.h"

#include <commctrl.h>

#include "classlib/win/CDataExchange.h"
#include "classlib/win/CScrollBar.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "hebtext/core/NumberText.h"
#include "hebtext/win/CPromptDlg.h"
#include "resources/VoiceSettingsIds.h"

namespace {

// An edit box and its slider for each voice value but the vocal tract.
struct ValueControls {
  int value;
  int edit;
  int slider;
};
// clang-format off
constexpr ValueControls kValueControls[] = {
  {kVoicePitch,            IDC_VOICE_PITCH,       IDC_VOICE_PITCH_SLIDER},
  {kVoiceSpeed,            IDC_VOICE_SPEED,       IDC_VOICE_SPEED_SLIDER},
  {kVoiceVolume,           IDC_VOICE_VOLUME,      IDC_VOICE_VOLUME_SLIDER},
  {kVoiceHeadSize,         IDC_VOICE_HEAD_SIZE,   IDC_VOICE_HEAD_SIZE_SLIDER},
  {kVoicePitchFluctuation, IDC_VOICE_FLUCTUATION, IDC_VOICE_FLUCTUATION_SLIDER},
  {kVoiceRoughness,        IDC_VOICE_ROUGHNESS,   IDC_VOICE_ROUGHNESS_SLIDER},
  {kVoiceBreathiness,      IDC_VOICE_BREATHINESS, IDC_VOICE_BREATHINESS_SLIDER},
};
// clang-format on
// The edit boxes' ids lie in this range (sliders and radios between them
// send no EN_CHANGE).
constexpr int kFirstValueEdit = IDC_VOICE_PITCH;
constexpr int kLastValueEdit = IDC_VOICE_HEAD_SIZE;
constexpr int kSliderPage = 10;

constexpr const char* kFaceNames[kFaceCount] = {"None", "Nerla", "Star of David", "Dreidel",
                                                "Menorah"};
constexpr const char* kNewVoicePrompt = "Please Enter a Name for the New Voice:";
constexpr const char* kDeleteQuestion = "Do you really want to delete the voice '%s'?";

const ValueControls* ControlsOfEdit(int nID) {
  for (const ValueControls& controls : kValueControls)
    if (controls.edit == nID) return &controls;
  return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CVoiceSettingsDlg, CDialog)
  ON_WM_DESTROY()
  ON_WM_HSCROLL()
  ZULTA_MSG_ENTRY(WM_COMMAND, EN_CHANGE, kFirstValueEdit, kLastValueEdit, nullptr,
                  p_->OnValueEditChange(a_.nID))
  ON_BN_CLICKED(IDC_VOICE_OFF, OnRadio)
  ON_BN_CLICKED(IDC_VOICE_ON, OnRadio)
  ON_BN_CLICKED(IDC_VOICE_RATE_8000, OnRadio)
  ON_BN_CLICKED(IDC_VOICE_RATE_11025, OnRadio)
  ON_BN_CLICKED(IDC_VOICE_RATE_22050, OnRadio)
  ON_BN_CLICKED(IDC_VOICE_MALE, OnRadio)
  ON_BN_CLICKED(IDC_VOICE_FEMALE, OnRadio)
  ON_CONTROL(CBN_SELCHANGE, IDC_VOICE_LIST, OnVoiceChange)
  ON_CONTROL(CBN_SELCHANGE, IDC_VOICE_FACE, OnFaceChange)
  ON_BN_CLICKED(IDC_VOICE_ADD, OnAddVoice)
  ON_BN_CLICKED(IDC_VOICE_DELETE, OnDeleteVoice)
  ON_BN_CLICKED(IDC_VOICE_RESET, OnResetVoice)
  ON_BN_CLICKED(IDC_VOICE_TEST, OnTest)
  ON_BN_CLICKED(IDC_VOICE_HELP, OnHelpButton)
END_MESSAGE_MAP()

CVoiceSettingsDlg::CVoiceSettingsDlg(CSpeechEngine& engine, IProfileStore& profile, CWnd* pParent)
    : CDialog(IDD, pParent), m_engine(engine), m_profile(profile) {}

void CVoiceSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  int(&values)[kVoiceValueCount] = m_voices.Values();
  DDX_Radio(pDX, IDC_VOICE_OFF, m_switches.voiceOn);
  DDX_Radio(pDX, IDC_VOICE_RATE_8000, m_switches.sampleRate);
  DDX_Radio(pDX, IDC_VOICE_MALE, values[kVoiceTract]);
  DDX_CBIndex(pDX, IDC_VOICE_FACE, m_switches.face);
  for (const ValueControls& controls : kValueControls) {
    DDX_Text(pDX, controls.edit, values[controls.value]);
    DDV_MinMaxInt(pDX, values[controls.value], 0, VoiceValueLimit(controls.value));
  }
}

BOOL CVoiceSettingsDlg::OnInitDialog() {
  m_openingVoice = m_engine.CurrentVoice();
  m_openingSwitches = m_switches = m_engine.Switches();
  m_voices.Load(LoadVoiceList(m_profile), m_openingVoice.m_name);
  m_updating = true;
  CDialog::OnInitDialog();
  m_voiceCombo.Attach(::GetDlgItem(m_hWnd, IDC_VOICE_LIST));
  m_faceCombo.Attach(::GetDlgItem(m_hWnd, IDC_VOICE_FACE));
  m_voiceCombo.SetExtendedUI(TRUE);
  m_faceCombo.SetExtendedUI(TRUE);
  for (int i = 0; i < m_voices.Count(); ++i) m_voiceCombo.AddString(m_voices.Name(i));
  m_voiceCombo.SetCurSel(m_voices.Selection());
  for (LPCSTR name : kFaceNames) m_faceCombo.AddString(name);
  for (const ValueControls& controls : kValueControls) {
    CSliderCtrl& slider = m_sliders[controls.value];
    slider.Attach(::GetDlgItem(m_hWnd, controls.slider));
    slider.SetRange(0, VoiceValueLimit(controls.value));
    slider.SetPageSize(kSliderPage);
  }
  ShowValues();
  UpdateButtons();
  return TRUE;
}

void CVoiceSettingsDlg::ShowValues() {
  m_updating = true;
  for (const ValueControls& controls : kValueControls)
    m_sliders[controls.value].SetPos(m_voices.Values()[controls.value]);
  UpdateData(FALSE);
  m_updating = false;
}

void CVoiceSettingsDlg::ShowValueText(int nEditID, int value) {
  m_updating = true;
  ::SetDlgItemInt(m_hWnd, nEditID, static_cast<UINT>(value), FALSE);
  m_updating = false;
}

void CVoiceSettingsDlg::UpdateButtons() {
  const VoiceListModel::ButtonStates states = m_voices.Buttons();
  const struct {
    int id;
    bool enabled;
  } buttons[] = {{IDC_VOICE_RESET, states.reset},
                 {IDC_VOICE_DELETE, states.remove},
                 {IDC_VOICE_ADD, states.add}};
  HWND hFocus = ::GetFocus();
  for (const auto& button : buttons) {
    HWND hButton = ::GetDlgItem(m_hWnd, button.id);
    ::EnableWindow(hButton, button.enabled);
    if (!button.enabled && hButton == hFocus) m_voiceCombo.SetFocus();
  }
}

void CVoiceSettingsDlg::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar == nullptr) return;
  const int nSliderID = ::GetDlgCtrlID(pScrollBar->m_hWnd);
  for (const ValueControls& controls : kValueControls) {
    if (controls.slider != nSliderID) continue;
    const int value = m_sliders[controls.value].GetPos();
    m_voices.Values()[controls.value] = value;
    ShowValueText(controls.edit, value);
  }
}

void CVoiceSettingsDlg::OnValueEditChange(UINT nID) {
  const ValueControls* controls = ControlsOfEdit(static_cast<int>(nID));
  if (m_updating || controls == nullptr) return;
  int& value = m_voices.Values()[controls->value];
  CString text;
  GetDlgItemText(static_cast<int>(nID), text);
  const int typed = ParseSignedInt(text);
  if (!text.IsEmpty() && typed >= 0 && typed <= VoiceValueLimit(controls->value)) {
    value = typed;
    m_sliders[controls->value].SetPos(value);
  } else {
    ShowValueText(controls->edit, value);
  }
}

void CVoiceSettingsDlg::OnRadio() { UpdateData(TRUE); }

void CVoiceSettingsDlg::OnVoiceChange() {
  UpdateButtons();
  const int selection = m_voiceCombo.GetCurSel();
  if (selection == CB_ERR || selection == m_voices.Shown()) return;
  m_voices.Select(selection);
  ShowValues();
}

void CVoiceSettingsDlg::OnFaceChange() {
  UpdateData(TRUE);
  m_engine.ChooseFace(m_hWnd, m_switches.face);
}

void CVoiceSettingsDlg::OnAddVoice() {
  CPromptDlg prompt(this);
  prompt.m_strPrompt = kNewVoicePrompt;
  if (prompt.DoModal() != IDOK || !m_voices.Add(prompt.m_strAnswer)) return;
  m_voiceCombo.AddString(prompt.m_strAnswer);
  m_voiceCombo.SetCurSel(m_voices.Selection());
  UpdateButtons();
}

void CVoiceSettingsDlg::OnDeleteVoice() {
  const int selection = m_voices.Selection();
  if (selection == VoiceListModel::kNone) return;
  CString question;
  question.Format(kDeleteQuestion, static_cast<LPCSTR>(m_voices.Name(selection)));
  if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  m_voices.Delete();
  m_voiceCombo.DeleteString(static_cast<UINT>(selection));
  m_voiceCombo.SetCurSel(m_voices.Selection());
  ShowValues();
  UpdateButtons();
}

void CVoiceSettingsDlg::OnResetVoice() {
  m_voices.Reset();
  ShowValues();
}

void CVoiceSettingsDlg::OnTest() {
  if (!UpdateData(TRUE)) return;
  const CVoiceDef voice = m_voices.StoreShown();
  m_tried = true;
  m_engine.ApplyVoice(voice, m_switches, false);
  m_engine.Speak(m_hWnd, m_hWnd, kVoiceTestText, kSpeakPlain);
}

void CVoiceSettingsDlg::OnOK() {
  m_engine.Stop();
  m_engine.CloseFace();
  if (!UpdateData(TRUE)) return;
  const bool selected = m_voices.Selection() != VoiceListModel::kNone;
  const CVoiceDef voice = m_voices.StoreShown();
  SaveVoiceList(m_profile, m_voices.Voices());
  if (selected) {
    m_engine.ApplyVoice(voice, m_switches, false);
    WriteVoiceDef(m_profile, kCurrentVoiceKey, voice);
    WriteSpeechSwitches(m_profile, m_switches);
  }
  EndDialog(IDOK);
}

void CVoiceSettingsDlg::OnCancel() {
  m_engine.Stop();
  m_engine.CloseFace();
  if (m_tried) m_engine.ApplyVoice(m_openingVoice, m_openingSwitches, false);
  EndDialog(IDCANCEL);
}

void CVoiceSettingsDlg::OnDestroy() {
  m_engine.Stop();
  m_voiceCombo.Detach();
  m_faceCombo.Detach();
  for (CSliderCtrl& slider : m_sliders)
    if (slider.m_hWnd != nullptr) slider.Detach();
  CDialog::OnDestroy();
}

void CVoiceSettingsDlg::OnHelpButton() { AfxGetApp()->WinHelp(HID_BASE_RESOURCE + IDD); }
