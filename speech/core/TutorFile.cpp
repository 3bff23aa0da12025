#include "speech/core/TutorFile.h"

#include <cstring>
#include <new>

#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"
#include "hebtext/core/HebChar.h"

namespace {

constexpr size_t kCountOffset = 0;
constexpr size_t kTextSizeOffset = 4;
constexpr size_t kLessonTableOffset = 8;
constexpr size_t kStepFlagOffset = 4;
constexpr size_t kStepItemsOffset = 5;
constexpr size_t kStepTextOffset = 8;
constexpr size_t kStepWordsOffset = 4;

DWORD ReadDword(const BYTE* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<DWORD>(p[3]) << 24);
}
WORD ReadWord(const BYTE* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }

void PutDword(BYTE* p, DWORD value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<BYTE>(value >> (8 * i));
}
void PutWord(BYTE* p, WORD value) {
  p[0] = static_cast<BYTE>(value);
  p[1] = static_cast<BYTE>(value >> 8);
}

UserMessage Message(const CString& text) { return UserMessage{text, CString()}; }

TutorLoadResult Failure(TutorLoadStatus status, const CString& text) {
  TutorLoadResult result;
  result.status = status;
  result.messages.push_back(Message(text));
  return result;
}

TutorLoadResult Damaged(const char* what) {
  CString text;
  text.Format("The lesson file %s is damaged (%s) and was not loaded.", kTutorFileName, what);
  return Failure(TutorLoadStatus::kDamaged, text);
}

// A code a step may introduce or compare: a letter, a vowel point, dagesh or
// meteg ("no vowel" is none of them).
bool IsTutorItem(int code) {
  return IsHebrewLetter(code) || (IsVowelCode(code) && code != HebCode::ExplicitNoVowel) ||
         IsDageshOrMeteg(code);
}

bool ItemsValid(const BYTE* items) {
  if (items[0] == 0) return false;
  bool ended = false;
  for (int i = 0; i < kTutorItemSlots; ++i) {
    if (items[i] == 0) {
      ended = true;
    } else if (ended || !IsTutorItem(items[i])) {
      return false;
    }
  }
  return true;
}

// Within the block, with its terminator inside it.
bool TextOffsetValid(const BYTE* text, size_t size, DWORD offset) {
  if (offset == kNoTutorText) return true;
  return offset < size && memchr(text + offset, 0, size - offset) != nullptr;
}

// The step at record, or the reason it is rejected.
const char* ReadStep(const BYTE* record, const BYTE* text, size_t textSize, TutorStep& step) {
  step = TutorStep();
  step.kind = ReadDword(record);
  switch (step.kind) {
    case kTutorIntroduce:
    case kTutorCompare:
      step.flag = record[kStepFlagOffset];
      memcpy(step.items, record + kStepItemsOffset, kTutorItemSlots);
      if (!ItemsValid(step.items)) return "a step's item codes are not known";
      step.text = ReadDword(record + kStepTextOffset);
      if (!TextOffsetValid(text, textSize, step.text)) return "a text lies outside the text block";
      return nullptr;
    case kTutorPractice:
      for (int k = 0; k < kTutorWordButtons; ++k) {
        step.words[k] = ReadDword(record + kStepWordsOffset + 4 * k);
        if (!TextOffsetValid(text, textSize, step.words[k])) {
          return "a text lies outside the text block";
        }
      }
      return nullptr;
    case kTutorEndOfLesson: return nullptr;
    default: return "a step's kind is not known";
  }
}

// Every lesson has a step, and the lessons follow each other within the steps.
bool LessonTableValid(const WORD* lessons, size_t stepCount) {
  for (int k = 0; k < kTutorLessonCount; ++k) {
    if (lessons[k] >= lessons[k + 1]) return false;
  }
  return lessons[kTutorLessonCount] <= stepCount;
}

}  // namespace

std::string TutorData::GetTutorText(DWORD offset) const {
  if (offset == kNoTutorText || offset >= text.size()) return std::string();
  return std::string(reinterpret_cast<const char*>(text.data() + offset));
}

bool AllocateTutorBlocks(TutorData& data, size_t stepCount, size_t textSize) {
  try {
    data.steps.resize(stepCount);
    data.text.resize(textSize);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

TutorLoadResult ReadTutorData(const BYTE* bytes, size_t size, TutorData& data,
                              TutorAllocator allocate) {
  data = TutorData();
  if (size < kTutorHeaderSize) return Damaged("it is too short");
  const DWORD stepCount = ReadDword(bytes + kCountOffset);
  const DWORD textSize = ReadDword(bytes + kTextSizeOffset);
  // 64-bit sums: neither count may wrap past the file's length.
  const unsigned long long expected =
      kTutorHeaderSize + static_cast<unsigned long long>(stepCount) * kTutorStepSize + textSize;
  if (expected != size) return Damaged("its sizes do not match its length");
  if (stepCount > kNoTutorStep) return Damaged("it has more steps than a lesson can index");
  WORD lessons[kTutorLessonCount + 1];
  for (int k = 0; k <= kTutorLessonCount; ++k) {
    lessons[k] = ReadWord(bytes + kLessonTableOffset + 2 * k);
  }
  if (!LessonTableValid(lessons, stepCount)) return Damaged("its lesson table is out of order");

  const BYTE* records = bytes + kTutorHeaderSize;
  const BYTE* text = records + static_cast<size_t>(stepCount) * kTutorStepSize;
  TutorData loaded;
  if (!allocate(loaded, stepCount, textSize)) {
    CString message;
    message.Format("Not enough memory to load %s.", kTutorFileName);
    return Failure(TutorLoadStatus::kOutOfMemory, message);
  }
  for (DWORD i = 0; i < stepCount; ++i) {
    if (const char* what =
            ReadStep(records + i * kTutorStepSize, text, textSize, loaded.steps[i])) {
      return Damaged(what);
    }
  }
  if (textSize != 0) memcpy(loaded.text.data(), text, textSize);
  memcpy(loaded.lessons, lessons, sizeof lessons);
  data = std::move(loaded);
  return TutorLoadResult{TutorLoadStatus::kLoaded, {}};
}

TutorLoadResult LoadTutorData(LPCSTR path, TutorData& data) {
  data = TutorData();
  CString missing;
  missing.Format("File Missing: %s", kTutorFileName);
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) {
    return Failure(TutorLoadStatus::kMissing, missing);
  }
  std::vector<BYTE> bytes;
  try {
    const DWORD length = file.GetLength();
    bytes.resize(length);
    if (length != 0 && file.Read(bytes.data(), length) != length) {
      return Failure(TutorLoadStatus::kMissing, missing);
    }
  } catch (CFileException* e) {
    e->Delete();
    return Failure(TutorLoadStatus::kMissing, missing);
  } catch (const std::bad_alloc&) {
    CString message;
    message.Format("Not enough memory to load %s.", kTutorFileName);
    return Failure(TutorLoadStatus::kOutOfMemory, message);
  }
  return ReadTutorData(bytes.data(), bytes.size(), data);
}

std::vector<BYTE> WriteTutorData(const TutorData& data) {
  std::vector<BYTE> bytes(kTutorHeaderSize + data.steps.size() * kTutorStepSize + data.text.size());
  PutDword(bytes.data() + kCountOffset, static_cast<DWORD>(data.steps.size()));
  PutDword(bytes.data() + kTextSizeOffset, static_cast<DWORD>(data.text.size()));
  for (int k = 0; k <= kTutorLessonCount; ++k) {
    PutWord(bytes.data() + kLessonTableOffset + 2 * k, data.lessons[k]);
  }
  BYTE* record = bytes.data() + kTutorHeaderSize;
  for (const TutorStep& step : data.steps) {
    PutDword(record, step.kind);
    if (step.kind == kTutorPractice) {
      for (int k = 0; k < kTutorWordButtons; ++k) {
        PutDword(record + kStepWordsOffset + 4 * k, step.words[k]);
      }
    } else if (step.kind == kTutorIntroduce || step.kind == kTutorCompare) {
      record[kStepFlagOffset] = step.flag;
      memcpy(record + kStepItemsOffset, step.items, kTutorItemSlots);
      PutDword(record + kStepTextOffset, step.text);
    }
    record += kTutorStepSize;
  }
  if (!data.text.empty()) memcpy(record, data.text.data(), data.text.size());
  return bytes;
}
