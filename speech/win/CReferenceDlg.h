// The full-screen dialogs of the language reference (the reading tutorial
// and the letter and vowel descriptions) have in common: their layout over
// the whole screen, the Preferences menu, words spoken with their
// transcription shown over them, and closing, which stops speech and takes
// the popup and the speaking face away.
#pragma once

#include <initializer_list>
#include <string>

#include "classlib/win/CDialog.h"
#include "classlib/win/CFont.h"
#include "speech/win/ReferenceServices.h"

class CReferenceDlg : public CDialog {
 public:
  CReferenceDlg(UINT nIDTemplate, ReferenceServices services, CWnd* pParent);

 protected:
  // Moves the dialog over the screen above the taskbar and scales every
  // control with it from the size it was made at; the controls of narrowed
  // lose a margin each side. Every control gets the dialog font: "Arial" at
  // the height the screen's height asks for.
  void SpreadOverScreen(std::initializer_list<int> narrowed);
  // The rectangle of a control in the dialog's client area.
  RECT ControlRect(int id) const;
  // Speaks the pointed word with its stress marks as written, showing its
  // transcription raised above its drawn rectangle (dialog coordinates).
  void SpeakWord(const std::string& pointed, const RECT& word, int raise);
  // Stops speech and closes the speaking face.
  void StopSpeech();
  // Closes the popup, stops speech, closes the face and ends the dialog.
  void CloseReference(int result);

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnSettings();
  afx_msg void OnPhonemeSet();
  afx_msg void OnVoiceSettings();
  DECLARE_MESSAGE_MAP()

  ReferenceServices m_services;
  CFont m_dialogFont;
};
