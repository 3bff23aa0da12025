// A page of the page settings sheet: measurement edits with their spins,
// checked as they are typed and kept in the sheet's values.
#pragma once

#include <map>

#include "classlib/win/CPropertyPage.h"
#include "editor/core/PageSettingsValues.h"

class CPageSettings;

class CPageSettingsPage : public CPropertyPage {
 public:
  CPageSettingsPage(UINT nIDTemplate, CPageSettings& sheet);
  // Shows the sheet's values again.
  virtual void Fill() = 0;
  // Puts the focus in an edit with its whole text selected.
  void FocusEdit(int editId);

  struct MeasureField {
    int edit;
    int spin;
  };

 protected:
  // The page's measurement edits; null-terminated by an edit of 0.
  virtual const MeasureField* Fields() const = 0;
  // A checked text was typed (or spun) in the edit.
  virtual void OnMeasureTyped(int editId, double value) = 0;
  virtual SpinRange RangeOf(int editId) const = 0;

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  PageSettingsValues& Values();
  void ShowMeasure(int editId, double value);
  // Sets an edit's text without taking it as typed.
  void ShowText(int editId, LPCSTR text);

  CPageSettings& m_sheet;

 private:
  const MeasureField* FieldOfEdit(int editId) const;
  const MeasureField* FieldOfSpin(int spinId) const;

  std::map<int, CString> m_previousText;
  BOOL m_bFilling = FALSE;
};
