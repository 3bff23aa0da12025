// The keys of the keyboard guide and the key map, shared by both views and
// the key map dialog: key records built from the template's buttons (which
// are hidden: the keys are drawn here), the hit test, the key drawing into a
// memory context and the pressed-key and focus display.
#pragma once

#include <windows.h>

#include <vector>

#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "hebtext/win/CFontInfo.h"
#include "speech/core/KeyTables.h"

class CWnd;

struct KeyRecord {
  CRect rect;  // in the owner's client coordinates at build time
  CFont* pLabelFont = nullptr;
  BOOL pressed = FALSE;
  BOOL focused = FALSE;
  KeyTableEntry key = {};
  CString caption;
};

class CKeyPad {
 public:
  CKeyPad() = default;
  CKeyPad(const CKeyPad&) = delete;
  CKeyPad& operator=(const CKeyPad&) = delete;
  ~CKeyPad() { Free(); }

  // Builds the fonts and the records of the owner's buttons named in the
  // table, hides the buttons, and makes a memory context of the owner's
  // size. The first key gets the focus flag.
  BOOL Build(CWnd* pOwner, const std::vector<KeyTableEntry>& table, int keyFontHeight);
  // Frees the records, the memory context and the fonts.
  void Free();
  BOOL IsBuilt() const { return !m_records.empty(); }

  // Draws every key in the layer (unshifted or shifted) and repaints the owner.
  void DrawAll(BOOL shifted);
  BOOL IsShifted() const { return m_shifted; }

  // The key whose rectangle holds the point; null for none.
  KeyRecord* HitTest(CPoint point);
  KeyRecord* Find(int control);

  // Mouse down: the key under the point shown pressed; null for none.
  KeyRecord* PressAt(CPoint point);
  // Mouse up: the pressed key released; the key under the point, null for none.
  KeyRecord* ReleaseAt(CPoint point);

  // Shows the key pressed, releasing the one pressed before; 0 releases only.
  void ShowPressed(int control);
  // Moves the focus flag along the focus chain (backward: Shift+Tab).
  void MoveFocus(BOOL backward);

  // Copies the drawn keys to the owner's DC.
  void Paint(CDC* pDC);
  CSize Size() const { return m_size; }

 private:
  void DrawKey(KeyRecord& record);
  void DrawCharacterKey(KeyRecord& record);
  void DrawFunctionKey(KeyRecord& record);
  void DrawCaption(KeyRecord& record);
  void DrawHebrew(const KeyRecord& record, int code);
  COLORREF CaptionColor(const KeyRecord& record) const;
  // Redraws the key and invalidates its rectangle in the owner.
  void Refresh(KeyRecord& record);

  CWnd* m_pOwner = nullptr;
  std::vector<KeyRecord> m_records;
  CDC m_memDC;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
  CFontInfo m_keyFont;
  CFont m_timesFont;
  CFont m_symbolFont;
  CSize m_size;
  BOOL m_shifted = FALSE;
};
