#include "speech/win/TranscribeWord.h"

#include "editor/core/RtfDocumentBuilder.h"
#include "hebtext/core/PreferenceTexts.h"
#include "hebtext/core/Preferences.h"
#include "speech/core/PhonemeSets.h"
#include "speech/transcription/core/Transcription.h"
#include "speech/win/TranslWin.h"

namespace {

TranscriptionDictionary* g_dictionary = nullptr;

void BuildDocument(CRtfTables2& writer, CString text, const TranslitWordSettings& word,
                   const TranslitTextStyle& stressed, const TranslitTextStyle& unstressed) {
  text.TrimLeft(" \t\f\r");
  text.TrimRight(" \t\f\r");
  writer.BuildRtfDocument(text, RtfOptionsOf(word), RtfStyleOf(stressed), RtfStyleOf(unstressed));
}

}  // namespace

void SetTranscriptionDictionary(TranscriptionDictionary* dictionary) { g_dictionary = dictionary; }

void TranscribeWord(CString& phonetic, CString& display, CRtfTables2* writer, const BYTE* letters,
                    const BYTE* vowels, HWND parent, const POINT* point, const RECT* word, int mode,
                    DWORD prefixKind, DWORD, BOOL placement) {
  if (parent == nullptr && writer == nullptr) return;
  TranslitWordSettings wordSettings;
  TranslitTextStyle stressed, unstressed;
  LoadTransliterationSettings(&wordSettings, &stressed, &unstressed);

  TranscriptionRequest request;
  request.mode = mode;
  request.prefixKind = prefixKind;
  request.forDocument = parent == nullptr;
  request.keepNumbers = writer != nullptr && wordSettings.keepNumbers != 0;
  TranscriptionContext context;
  context.pronunciation.pronunciation = static_cast<Pronunciation>(LoadAccent());
  context.pronunciation.vowelType = static_cast<VowelType>(LoadVowelType());
  context.hashemFilter = LoadHaShemFilter() != 0;
  context.dictionary = mode == kModeFromDictionary ? g_dictionary : nullptr;
  context.phonemes = GetPhonemeTable();
  TranscriptionResult result;
  TranscribeText(letters, vowels, request, context, result);
  phonetic += result.phonetic;
  display += result.display;

  if (parent != nullptr) {
    CreateTranslWin(parent, display, point, word, placement);
  } else {
    BuildDocument(*writer, display, wordSettings, stressed, unstressed);
  }
}
