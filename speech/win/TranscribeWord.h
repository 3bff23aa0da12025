// Word transcription as the grammar views, dialogs and the editor call it:
// the phonetic text to speak and the marked transliteration, shown in the
// "TranslWin" popup next to the word or, without a window, built into an RTF
// transliteration document.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

class CRtfTables2;
class TranscriptionDictionary;

// The dictionary that decides how unmarked words are spoken; set by the
// program once its word databases are ready (null: words are spoken as
// written).
void SetTranscriptionDictionary(TranscriptionDictionary* dictionary);

// Appends to phonetic and display. With a parent the popup is shown at the
// point or around the word's rectangle (placement 1: always around it);
// without one the document is built on the writer. mode and prefixKind as
// TranscriptionRequest takes them; adjectiveValue is the declension views'
// inflection value, which the transliteration does not read.
void TranscribeWord(CString& phonetic, CString& display, CRtfTables2* writer, const BYTE* letters,
                    const BYTE* vowels, HWND parent, const POINT* point, const RECT* word,
                    int mode, DWORD prefixKind, DWORD adjectiveValue, BOOL placement);
