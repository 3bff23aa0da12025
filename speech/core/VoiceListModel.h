// The voice list the Voice Settings dialog edits: a private copy of the
// profile's voices, the names its list box shows, the selected entry and
// the values on screen, which belong to the shown entry until another one
// is selected.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "speech/core/VoiceDef.h"
#include "speech/core/VoiceProfile.h"

// The largest value of a voice value (the smallest is 0).
int VoiceValueLimit(int index);

class VoiceListModel {
 public:
  static constexpr int kNone = -1;

  struct ButtonStates {
    bool add = false;
    bool remove = false;
    bool reset = false;
  };

  // The list and the entry named like the current voice (ignoring case; the
  // first entry when none is), shown.
  void Load(std::vector<CVoiceDef> voices, LPCSTR currentName);

  int Count() const { return static_cast<int>(m_voices.size()); }
  const CString& Name(int i) const { return m_names[i]; }
  int Selection() const { return m_selection; }
  int Shown() const { return m_shown; }
  // The values on screen, which the dialog's controls change.
  int (&Values())[kVoiceValueCount] { return m_values; }
  ButtonStates Buttons() const;

  // Stores the values on screen into the shown entry and shows entry i.
  void Select(int i);
  // A new voice of that name at the end, selected and shown with the values
  // on screen; false (nothing changed) when the name is empty or taken
  // (ignoring case) or the list is full.
  bool Add(LPCSTR name);
  // Removes the selected entry; the entry at its place, or the last one, is
  // selected and shown.
  void Delete();
  // A built-in entry gets its built-in values back; its name stays.
  void Reset();
  // The shown entry with the values on screen stored into it.
  const CVoiceDef& StoreShown();
  // The list as OK saves it.
  const std::vector<CVoiceDef>& Voices() const { return m_voices; }

 private:
  void Show(int i);

  std::vector<CVoiceDef> m_voices;
  // The names the list box shows: a reset entry keeps its shown name.
  std::vector<CString> m_names;
  int m_selection = kNone;
  int m_shown = kNone;
  int m_values[kVoiceValueCount] = {};
};
