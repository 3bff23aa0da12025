// pronounce [options] WORD...
// For each pointed Hebrew word (UTF-8; a meteg marks a stressed vowel)
// prints the stressed syllable counted from the end, the phonetic text the
// speech engine would speak, the code text and its spelling in a phoneme set.
//   -p 1|2|3   pronunciation: Sephardi (default), Ashkenazi, Yemenite
//   -v 0|1     vowel type: long and clear, Israeli-like (default)
//   -s 0..5    phoneme set (default 0, English)
//   -k KIND    prefix kind 0-4, or "any" (default)
#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "hebtext/core/MemoryProfileStore.h"
#include "speech/core/PhonemeSets.h"
#include "speech/core/PointedInput.h"
#include "speech/core/Transliteration.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordStress.h"

namespace {

const char* const kSetCharsets[kBuiltInPhonemeSets] = {"CP1252", "CP1252", "CP1252",
                                                       "CP1252", "CP1251", "KOI8-R"};

// The phoneme set's 8-bit spelling as UTF-8 for the terminal.
std::string ToUtf8(const char* charset, const CString& text) {
  iconv_t cd = iconv_open("UTF-8", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string in(text), out(in.size() * 4 + 4, '\0');
  char* inPtr = &in[0];
  char* outPtr = &out[0];
  size_t inLeft = in.size(), outLeft = out.size();
  iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

int Usage() {
  fprintf(stderr, "usage: pronounce [-p 1|2|3] [-v 0|1] [-s 0..5] [-k 0..4|any] WORD...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  PronunciationOptions options;
  options.prefixKind = kAnyPrefixKind;
  int pronunciation = kSephardi, set = 0;
  int arg = 1;
  for (; arg + 1 < argc && argv[arg][0] == '-'; arg += 2) {
    const char* value = argv[arg + 1];
    switch (argv[arg][1]) {
      case 'p': pronunciation = atoi(value); break;
      case 'v': options.vowelType = static_cast<VowelType>(atoi(value)); break;
      case 's': set = atoi(value); break;
      case 'k':
        options.prefixKind =
            strcmp(value, "any") == 0 ? kAnyPrefixKind : static_cast<DWORD>(atoi(value));
        break;
      default: return Usage();
    }
  }
  if (arg >= argc || pronunciation < kSephardi || pronunciation > kYemenite || set < 0 ||
      set >= kBuiltInPhonemeSets) {
    return Usage();
  }
  options.pronunciation = static_cast<Pronunciation>(pronunciation);
  MemoryProfileStore profile;
  profile.WriteProfileInt("Phonemes", "ActiveSet", set);
  LoadPhonemeSets(profile);
  int status = 0;
  for (; arg < argc; ++arg) {
    std::string problem;
    const std::optional<PointedLetters> read = PointedLettersFromUtf8(argv[arg], &problem);
    if (!read) {
      fprintf(stderr, "pronounce: %s: %s\n", argv[arg], problem.c_str());
      status = 1;
      continue;
    }
    const PointedLetters& word = *read;
    if (word.Last() < 0) continue;
    CString phonetic, code;
    TransliterateWord(word.L(), word.V(), options, phonetic, code);
    const int stress = PlaceWordStress(word.L(), word.V(), word.Last(), phonetic, options);
    const CString spelled = SpellCodeText(*GetPhonemeTable(), code);
    printf("%s\tstress %d\t%s\t%s\t%s\n", argv[arg], stress, static_cast<LPCSTR>(phonetic),
           static_cast<LPCSTR>(code), ToUtf8(kSetCharsets[set], spelled).c_str());
  }
  FreePhonemeSets();
  return status;
}
