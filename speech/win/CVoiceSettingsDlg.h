// Voice Settings: speech on or off, the sample rate, the speaking face, the
// voice list with its eight values a voice, adding, deleting and resetting
// voices, and trying one. Only OK writes the profile and keeps the chosen
// voice in the engine; Cancel takes back a voice that was tried.
#pragma once

#include "classlib/win/CComboBox.h"
#include "classlib/win/CDialog.h"
#include "classlib/win/CSliderCtrl.h"
#include "hebtext/core/ProfileStore.h"
#include "speech/core/VoiceListModel.h"
#include "speech/win/SpeechEngine.h"

class CVoiceSettingsDlg : public CDialog {
 public:
  enum { IDD = 1749 };
  CVoiceSettingsDlg(CSpeechEngine& engine, IProfileStore& profile, CWnd* pParent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnDestroy();
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnValueEditChange(UINT nID);
  afx_msg void OnRadio();
  afx_msg void OnVoiceChange();
  afx_msg void OnFaceChange();
  afx_msg void OnAddVoice();
  afx_msg void OnDeleteVoice();
  afx_msg void OnResetVoice();
  afx_msg void OnTest();
  afx_msg void OnHelpButton();
  DECLARE_MESSAGE_MAP()

 private:
  // The values on screen into the sliders and controls.
  void ShowValues();
  void UpdateButtons();
  // Writes a value into its edit box without reading it back.
  void ShowValueText(int nEditID, int value);

  CSpeechEngine& m_engine;
  IProfileStore& m_profile;
  VoiceListModel m_voices;
  SpeechSwitches m_switches;
  // What the engine had when the dialog opened, for Cancel after a Test.
  CVoiceDef m_openingVoice;
  SpeechSwitches m_openingSwitches;
  bool m_tried = false;
  // Set while the dialog writes its own edit boxes.
  bool m_updating = false;
  CComboBox m_voiceCombo;
  CComboBox m_faceCombo;
  CSliderCtrl m_sliders[kVoiceValueCount];
};
