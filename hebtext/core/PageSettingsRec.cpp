#include "hebtext/core/PageSettingsRec.h"

#include "hebtext/core/NumberText.h"
#include "hebtext/core/Preferences.h"

namespace {

constexpr int kStoredTextMax = 255;

// The record's fields in the order of the stored text.
constexpr WORD PageSettingsRec::*kTextOrder[9] = {
    &PageSettingsRec::orientation, &PageSettingsRec::paperCode,   &PageSettingsRec::width,
    &PageSettingsRec::length,      &PageSettingsRec::unit,        &PageSettingsRec::leftMargin,
    &PageSettingsRec::topMargin,   &PageSettingsRec::rightMargin, &PageSettingsRec::bottomMargin};

CString PageSettingsKey(int grammar, int hebrew) {
  if (grammar) return "GramTableSettings";
  CString key;
  key.Format("%s%s", "DocSettings", hebrew ? "_HEB" : "_ENG");
  return key;
}

}  // namespace

PageSettingsRec* SetDefaultPageSettings(PageSettingsRec* rec, int grammar) {
  *rec = PageSettingsRec();
  rec->orientation = grammar ? 2 : 1;
  return rec;
}

CString FormatPageSettingsText(const PageSettingsRec& rec) {
  CString text;
  for (auto field : kTextOrder) {
    CString number;
    number.Format(text.IsEmpty() ? "%u" : " %u", rec.*field);
    text += number;
  }
  return text;
}

BOOL ParsePageSettingsText(LPCSTR text, PageSettingsRec& rec) {
  CString stored = CutStoredText(text, kStoredTextMax);
  if (stored.IsEmpty()) return FALSE;
  PageSettingsRec read;
  BlankFieldReader reader(stored);
  for (auto field : kTextOrder) read.*field = static_cast<WORD>(reader.NextInt());
  // A hand-edited or foreign value must not give a page nobody can print on.
  if ((read.orientation != 1 && read.orientation != 2) || (read.unit != 1 && read.unit != 2))
    return FALSE;
  rec = read;
  return TRUE;
}

void SavePageSettings(const PageSettingsRec* rec, int grammar, int hebrew) {
  WritePreferenceString("Printer", PageSettingsKey(grammar, hebrew), FormatPageSettingsText(*rec));
}

int LoadPageSettings(PageSettingsRec* rec, int grammar, int hebrew) {
  *rec = PageSettingsRec{0, 0, 0, 0, 0, 0, 0, 0, 0};
  if (ParsePageSettingsText(GetPreferenceString("Printer", PageSettingsKey(grammar, hebrew)), *rec))
    return 1;
  SetDefaultPageSettings(rec, grammar);
  return 0;
}

void InitPageSettings(PageSettingsRec* rec, int grammar, int hebrew) {
  if (rec != nullptr) LoadPageSettings(rec, grammar, hebrew);
}
