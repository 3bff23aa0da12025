// The reading tutorial's lesson file, "bin\Tutor.bin": step records and a
// text block, addressed by a table of where each of the 24 lessons starts.
// Little-endian:
//   0   DWORD N, the number of step records
//   4   DWORD T, the size of the text block in bytes
//   8   25 WORDs, the lesson table: entry k is the first step of lesson k + 1,
//       entry k + 1 one past its last step
//   58  N step records of 20 bytes
//   58 + 20N  the text block: zero-terminated 8-bit strings (pointed Hebrew
//       and English in the program's code, with the colour mark-up)
//
// A file is checked whole before any of it is taken, so that the dialog can
// index steps, lessons and texts without checks of its own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"

constexpr int kTutorLessonCount = 24;
constexpr size_t kTutorHeaderSize = 8 + (kTutorLessonCount + 1) * 2;
constexpr size_t kTutorStepSize = 20;
constexpr int kTutorItemSlots = 3;
constexpr int kTutorWordButtons = 4;
constexpr WORD kNoTutorStep = 65535;        // the lesson menu
constexpr DWORD kNoTutorText = 0xFFFFFFFF;  // a text offset of -1
constexpr char kTutorFileName[] = "Tutor.bin";

enum TutorStepKind : DWORD {
  kTutorLessonMenu = 0,  // no step shown; never stored
  kTutorIntroduce = 1,
  kTutorPractice = 2,
  kTutorCompare = 3,
  kTutorEndOfLesson = 4,
};

// The flag byte of an introducing step; any other value introduces.
constexpr BYTE kTutorReintroducing = 1;
constexpr BYTE kTutorExplanationFromText = 2;
// The flag byte of a comparison step; any other value gives a plain title.
constexpr BYTE kTutorComparisonTitle = 1;
constexpr BYTE kTutorNoTitle = 3;

struct TutorStep {
  DWORD kind = kTutorEndOfLesson;
  BYTE flag = 0;                     // introduce and compare
  BYTE items[kTutorItemSlots] = {};  // Hebrew codes from the first; 0 none
  DWORD text = kNoTutorText;         // explanation: introduce and compare
  DWORD words[kTutorWordButtons] = {kNoTutorText, kNoTutorText, kNoTutorText, kNoTutorText};
};

struct TutorData {
  std::vector<TutorStep> steps;
  std::vector<BYTE> text;  // ends with a zero byte when not empty
  WORD lessons[kTutorLessonCount + 1] = {};

  // The zero-terminated text at the offset; kNoTutorText gives "".
  std::string GetTutorText(DWORD offset) const;
  // The first step of the lesson (1 to 24) and one past its last.
  WORD LessonFirstStep(int lesson) const { return lessons[lesson - 1]; }
  WORD LessonEndStep(int lesson) const { return lessons[lesson]; }
};

enum class TutorLoadStatus { kLoaded, kMissing, kDamaged, kOutOfMemory };

struct TutorLoadResult {
  TutorLoadStatus status = TutorLoadStatus::kMissing;
  UserMessageList messages;  // one message unless loaded
  bool loaded() const { return status == TutorLoadStatus::kLoaded; }
};

// Makes room for the two blocks; false when the memory cannot be had. The
// loader takes it as a parameter so that a failed allocation can be shown.
typedef bool (*TutorAllocator)(TutorData& data, size_t stepCount, size_t textSize);
bool AllocateTutorBlocks(TutorData& data, size_t stepCount, size_t textSize);

// Takes the lesson file's bytes into data. Unless it loads, data is left
// empty and the message says why: "The lesson file Tutor.bin is damaged
// (<what>) and was not loaded." or "Not enough memory to load Tutor.bin.".
TutorLoadResult ReadTutorData(const BYTE* bytes, size_t size, TutorData& data,
                              TutorAllocator allocate = AllocateTutorBlocks);

// Reads the file at path; one that cannot be read gives "File Missing:
// Tutor.bin".
TutorLoadResult LoadTutorData(LPCSTR path, TutorData& data);

// The file's bytes for data, as ReadTutorData takes them back.
std::vector<BYTE> WriteTutorData(const TutorData& data);
