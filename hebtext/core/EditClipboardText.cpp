#include "hebtext/core/EditClipboardText.h"

#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/EnglishLayoutImport.h"
#include "hebtext/core/HebEditModel.h"
#include "hebtext/core/ProgressDlgInterface.h"
#include "hebtext/core/Reversal.h"
#include "hebtext/core/TextLines.h"

BOOL BuildClipboardTexts(const HebCharNode* pFirst, const HebCharNode* pStop, bool hebrewMode,
                         const ClipboardTextOptions& options, ClipboardTexts& texts) {
  const ClipboardFilter filter = options.filter;
  CString ansi;
  CString unicodeSource;  // the program's codes until converted as a whole
  for (const HebCharNode* p = pFirst; p != nullptr && p != pStop; p = p->pNext) {
    CString ansiChar;
    AppendNodeText(p, hebrewMode, ansiChar);
    CString unicodeChar = ansiChar;
    if (hebrewMode && (filter == kFilterStandard || filter == kFilterUtf8)) {
      ConvertToStandardPoints(ansiChar, options.vavOrder);
      if (filter == kFilterUtf8) AnsiHebrewToUtf8(ansiChar);
    }
    // Each character reversed here and every line reversed below: the
    // characters change places while each keeps its bytes in order.
    if (options.direction == kReverse) {
      ReverseCStringRange(ansiChar, 0);
      ReverseCStringRange(unicodeChar, 0);
    }
    ansi += ansiChar;
    unicodeSource += unicodeChar;
  }
  ConvertToStandardPoints(unicodeSource, options.vavOrder);
  if (ansi.IsEmpty()) return FALSE;
  if (options.direction == kReverse) {
    ReverseTextLines(ansi, FALSE);
    ReverseTextLines(unicodeSource, FALSE);
  }
  CrToCrLf(ansi);
  CrToCrLf(unicodeSource);
  texts.ansi = ansi;
  texts.unicode = AnsiHebrewToUnicode(unicodeSource);
  return TRUE;
}

namespace {

BOOL ConversionCancelled() { return g_pProgressDlg != nullptr && g_pProgressDlg->IsCancelled(); }

}  // namespace

BOOL FilterPastedText(CString& text, bool hebrewMode, const ClipboardTextOptions& options) {
  const ClipboardFilter filter = options.filter;
  if (filter == kFilterEnglishLayout) {
    EnglishLayoutToHebrew(text);
    ControlCharsToBlanks(text);
    if (options.direction == kReverse) ReverseTextLines(text, FALSE);
    ReorderVowelSequences(text);
    return TRUE;
  }
  if (filter == kFilterUtf8) Utf8ToAnsiHebrew(text);
  if (filter == kFilterStandard || filter == kFilterUtf8 || filter == kFilterWideChar) {
    NormalizeMarkOrder(text);
    ConvertImportedText(text, options.vavOrder);
    if (ConversionCancelled()) return FALSE;
  }
  ControlCharsToBlanks(text);
  if (options.direction == kReverse) ReverseTextLines(text, hebrewMode);
  return TRUE;
}
