// The editor's modeless Find and Replace dialog: Hebrew edit fields for the
// texts with drop-down histories per language, an English/Hebrew switch and
// the Hebrew options Match Vowels and Match Dagesh. It reports each button to
// the view that opened it through the registered "commdlg_FindReplace"
// message, with the common dialog's flags and its own two.
#pragma once

#include "classlib/win/CBitmapButton.h"
#include "classlib/win/CFindReplaceDialog.h"
#include "editor/core/DocFind.h"
#include "editor/core/FindHistory.h"
#include "hebtext/win/CHebTextComboBox.h"

class CHebEdit;

// The registered message, obtained once at program start.
extern const UINT g_findReplaceMessage;

class CHebFindReplaceDlg : public CFindReplaceDialog {
  DECLARE_DYNAMIC(CHebFindReplaceDlg)

 public:
  enum : DWORD { kMatchVowels = 0x20000, kMatchDagesh = 0x40000 };
  enum { kTextLimit = 60 };

  CHebFindReplaceDlg(BOOL replace, BOOL hebrew);
  ~CHebFindReplaceDlg() override;

  void SetInitialTexts(const SearchText& find, const SearchText& replace);
  // Creates the window, modeless, reporting to pNotify. FALSE when it could
  // not be made.
  BOOL CreateModeless(DWORD flags, CWnd* pNotify);
  // The window that hears of the buttons (the view last to open it).
  void SetNotifyWindow(CWnd* pNotify) { m_hWndNotify = pNotify->GetSafeHwnd(); }

  BOOL IsReplaceDialog() const { return m_replace; }
  BOOL IsHebrew() const { return m_hebrew; }
  SearchText GetFindText() const;
  SearchText GetReplaceText() const;
  BOOL MatchVowels() const { return (m_fr.Flags & kMatchVowels) != 0; }
  BOOL MatchDagesh() const { return (m_fr.Flags & kMatchDagesh) != 0; }

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnDestroy();
  afx_msg void OnReplace();
  afx_msg void OnReplaceAll();
  afx_msg void OnEnglish();
  afx_msg void OnHebrew();
  afx_msg void OnFindTextChange();
  afx_msg void OnFindHistoryButton();
  afx_msg void OnReplaceHistoryButton();
  afx_msg void OnFieldDropDown();
  afx_msg void OnFindHistoryChosen();
  afx_msg void OnReplaceHistoryChosen();
  afx_msg void OnHistoryCancelled();
  afx_msg void OnHelp();
  afx_msg void OnSelectAll();
  afx_msg void OnEditCommand(UINT nID);
  DECLARE_MESSAGE_MAP()

 private:
  struct HistoryField {
    CHebEdit* pEdit = nullptr;
    CHebTextComboBox combo;
    CBitmapButton button;
    FindHistoryKind kind;
    CString otherLanguageText;  // the text kept while the other language shows
  };
  void ApplyLanguage(BOOL hebrew);
  void UpdateButtons();
  void ToggleHistory(HistoryField& field);
  void TakeHistoryEntry(HistoryField& field);
  HistoryField* FieldOf(HWND hWnd);
  int FieldCount() const { return m_replace ? 2 : 1; }
  // Sends a notification with the options as the dialog shows them.
  void Notify(DWORD action);

  HACCEL m_hAccel = nullptr;
  BOOL m_replace;
  BOOL m_hebrew;
  HWND m_hWndNotify = nullptr;
  SearchText m_initialFind;
  SearchText m_initialReplace;
  HistoryField m_fields[2];
};
