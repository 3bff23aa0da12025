// The Hebrew edit control and the real clipboard: copying from one control
// and pasting into another, and pasting what other programs put there
// (Windows-1255 with combining points, UTF-16, UTF-8, English-layout text)
// through each import filter.
#include <windows.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/HandleMap.h"
#include "hebtext/core/EditClipboardText.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/tests/win/SpecialDialogAnswer.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/CHebEdit.h"
#include "resources/HebtextIds.h"
#include "testing/win/LinuxCommand.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"

namespace edit_clipboard_test {

using namespace HebCode;

std::string Codes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

// Puts the formats on the clipboard in this order, as another program would.
void PlaceOnClipboard(std::initializer_list<std::pair<UINT, std::string>> formats) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  for (const auto& format : formats) {
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, format.second.size());
    memcpy(::GlobalLock(hData), format.second.data(), format.second.size());
    ::GlobalUnlock(hData);
    ::SetClipboardData(format.first, hData);
  }
  ::CloseClipboard();
}

std::string Ansi(const std::string& bytes) { return bytes + '\0'; }

std::string Wide(std::initializer_list<WCHAR> units) {
  std::wstring text(units);
  text += L'\0';
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(WCHAR));
}

std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!::OpenClipboard(nullptr)) return bytes;
  if (HANDLE hData = ::GetClipboardData(format)) {
    const char* data = static_cast<const char*>(::GlobalLock(hData));
    if (format == CF_UNICODETEXT) {
      bytes.assign(data, wcslen(reinterpret_cast<const WCHAR*>(data)) * sizeof(WCHAR));
    } else {
      bytes = data;
    }
    ::GlobalUnlock(hData);
  }
  ::CloseClipboard();
  return bytes;
}

// Keeps the clipboard open from another thread, so that this one cannot open it.
class ClipboardHeldElsewhere {
 public:
  ClipboardHeldElsewhere()
      : m_thread([this] {
          std::unique_lock<std::mutex> lock(m_mutex);
          HWND hOwner = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
          m_opened = ::OpenClipboard(hOwner) != FALSE;
          m_ready = true;
          m_changed.notify_all();
          m_changed.wait(lock, [this] { return m_release; });
          if (m_opened) ::CloseClipboard();
          ::DestroyWindow(hOwner);
        }) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_ready; });
  }
  ~ClipboardHeldElsewhere() {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_release = true;
    }
    m_changed.notify_all();
    m_thread.join();
  }
  bool IsHeld() const { return m_opened; }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_ready = false;
  bool m_release = false;
  bool m_opened = false;
  std::thread m_thread;
};

std::string ReadFileBytes(const char* path) {
  std::string bytes;
  if (FILE* file = fopen(path, "rb")) {
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.append(buffer, n);
    fclose(file);
  }
  return bytes;
}

class EditClipboardTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    s_pApp = new CWinApp("Zulta Tests");
    s_pParent = new CWnd;
    CreateShownParent(*s_pParent, "Clipboard test", 320, 100);
  }
  static void TearDownTestSuite() {
    s_pParent->DestroyWindow();
    delete s_pParent;
    delete s_pApp;
  }
  void SetUp() override {
    m_pSource = Create(1001, 10);
    m_pTarget = Create(1002, 50);
  }
  void TearDown() override {
    delete m_pSource;
    delete m_pTarget;
    CHandleMapBase::DeleteAllTemp();
  }

  CHebEdit* Create(UINT id, int top) {
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, top, 280, 30,
                      s_pParent->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                      nullptr, nullptr);
    CHebEdit* pEdit = CreateHebEditInPlace(s_pParent, id, TRUE, 0);
    EXPECT_NE(nullptr, pEdit);
    return pEdit;
  }
  static std::string Text(CHebEdit* pEdit) {
    CString text;
    pEdit->GetText(text);
    return std::string(text, text.GetLength());
  }
  // Selects characters first+1 .. first+count.
  static void Select(CHebEdit* pEdit, int first, int count) {
    HebEditModel& model = pEdit->GetModel();
    model.MoveCaretByKey(HebEditModel::kKeyHome, FALSE, FALSE);
    for (int i = 0; i < first; ++i) model.MoveCaretByKey(HebEditModel::kKeyForward, FALSE, FALSE);
    for (int i = 0; i < count; ++i) model.MoveCaretByKey(HebEditModel::kKeyForward, TRUE, FALSE);
  }

  static CWinApp* s_pApp;
  static CWnd* s_pParent;
  CHebEdit* m_pSource = nullptr;
  CHebEdit* m_pTarget = nullptr;
};

CWinApp* EditClipboardTest::s_pApp = nullptr;
CWnd* EditClipboardTest::s_pParent = nullptr;

const std::string kPointed = Codes({Bet, Patah, Gimel, Hiriq, Lamed, HolamMale});

TEST_F(EditClipboardTest, CopyPutsProgramCodesAndStandardUnicodeAndPastesIntoAnother) {
  m_pSource->SetText(kPointed.c_str());
  Select(m_pSource, 0, 2);
  m_pSource->SendMessage(WM_COPY);
  EXPECT_EQ(Codes({Bet, Patah, Gimel, Hiriq}), ClipboardBytes(CF_TEXT));
  EXPECT_EQ(Wide({0x5D1, 0x5B7, 0x5D2, 0x5B4}).substr(0, 8), ClipboardBytes(CF_UNICODETEXT));
  m_pTarget->SetText(Codes({Dalet, He}).c_str());
  Select(m_pTarget, 1, 1);
  m_pTarget->SendMessage(WM_PASTE);
  EXPECT_EQ(Codes({Dalet, Bet, Patah, Gimel, Hiriq}), Text(m_pTarget));
  EXPECT_EQ(3, m_pTarget->GetModel().GetCaretIndex());
  // The source is untouched and the paste is one undo step.
  EXPECT_EQ(kPointed, Text(m_pSource));
  m_pTarget->SendMessage(WM_UNDO);
  EXPECT_EQ(Codes({Dalet, He}), Text(m_pTarget));
}

TEST_F(EditClipboardTest, CutRemovesTheSelectionAfterCopyingIt) {
  m_pSource->SetText(kPointed.c_str());
  Select(m_pSource, 2, 1);
  m_pSource->SendMessage(WM_CUT);
  EXPECT_EQ(Codes({Bet, Patah, Gimel, Hiriq}), Text(m_pSource));
  EXPECT_EQ(Codes({Lamed, HolamMale}), ClipboardBytes(CF_TEXT));
  EXPECT_EQ(Wide({0x5DC, 0x5D5, 0x5B9}).substr(0, 6), ClipboardBytes(CF_UNICODETEXT));
  m_pSource->SendMessage(WM_UNDO);
  EXPECT_EQ(kPointed, Text(m_pSource));
}

TEST_F(EditClipboardTest, CopySpecialReversedPutsTheSecondLetterFirst) {
  m_pSource->SetText(kPointed.c_str());
  Select(m_pSource, 0, 2);
  ASSERT_TRUE(m_pSource->CopySelection({kFilterStandard, kReverse}));
  EXPECT_EQ(Codes({0xE2, 0xC4, 0xE1, 0xC7}), ClipboardBytes(CF_TEXT));
  EXPECT_EQ(Wide({0x5D2, 0x5B4, 0x5D1, 0x5B7}).substr(0, 8), ClipboardBytes(CF_UNICODETEXT));
  ASSERT_TRUE(m_pSource->CopySelection({kFilterUtf8}));
  EXPECT_EQ("\xD7\x91\xD6\xB7\xD7\x92\xD6\xB4", ClipboardBytes(CF_TEXT));
}

TEST_F(EditClipboardTest, NothingCopiedWithoutASelection) {
  PlaceOnClipboard({{CF_TEXT, Ansi("kept")}});
  m_pSource->SetText(kPointed.c_str());
  m_pSource->SendMessage(WM_COPY);
  m_pSource->SendMessage(WM_CUT);
  EXPECT_EQ("kept", ClipboardBytes(CF_TEXT));
  EXPECT_EQ(kPointed, Text(m_pSource));
}

struct PasteRow {
  const char* name;
  UINT format;
  std::string data;
  ClipboardFilter filter;
  ClipboardDirection direction;
  std::string expected;
};

TEST_F(EditClipboardTest, PasteWithEachFilter) {
  const PasteRow rows[] = {
      {"Windows-1255 in Unicode order, standard filter", CF_TEXT, Ansi("\xE1\xC8\xCC\xF9\xC4\xD1"),
       kFilterStandard, kForward, Codes({BetDagesh, Qamats, ShinShinDot, Hiriq})},
      {"Windows-1255 holam male", CF_TEXT, Ansi("\xEC\xE5\xC9"), kFilterStandard, kForward,
       Codes({Lamed, HolamMale})},
      {"program codes, no filter", CF_TEXT, Ansi(Codes({BetDagesh, Qamats})), kFilterNone, kForward,
       Codes({BetDagesh, Qamats})},
      {"visual order reversed", CF_TEXT, Ansi(Codes({Gimel, Hiriq, Bet, Patah})), kFilterNone,
       kReverse, Codes({Bet, Patah, Gimel, Hiriq})},
      {"UTF-8", CF_TEXT, Ansi("\xD7\x91\xD6\xBC\xD6\xB8\xD7\x9C"), kFilterUtf8, kForward,
       Codes({BetDagesh, Qamats, Lamed})},
      {"English layout", CF_TEXT, Ansi("sl"), kFilterEnglishLayout, kForward,
       Codes({Dalet, FinalKaf})},
      {"UTF-16 from its source overrides the filter chosen", CF_UNICODETEXT,
       Wide({0x5D1, 0x5BC, 0x5B8, 0x5DC}), kFilterNone, kForward,
       Codes({BetDagesh, Qamats, Lamed})},
      {"UTF-16 through its own filter", CF_UNICODETEXT, Wide({0x5E9, 0x5C1, 0x5B8}),
       kFilterWideChar, kForward, Codes({ShinShinDot, Qamats})},
      {"two lines become one", CF_TEXT, Ansi(Codes({Bet, '\r', '\n', Gimel})), kFilterNone,
       kForward, Codes({Bet, ' ', ' ', Gimel})},
  };
  for (const PasteRow& row : rows) {
    SCOPED_TRACE(row.name);
    PlaceOnClipboard({{row.format, row.data}});
    m_pTarget->SetText("");
    ASSERT_TRUE(m_pTarget->PasteFiltered({row.filter, row.direction}));
    EXPECT_EQ(row.expected, Text(m_pTarget));
  }
}

TEST_F(EditClipboardTest, UnicodeMadeFromEightBitTextDoesNotOverrideTheFilter) {
  // The source put CF_TEXT first and Unicode after it: the 8-bit text, in
  // the program's codes, is the one to take.
  const std::string codes = Codes({HeMappiq, QamatsQatan, Bet});
  PlaceOnClipboard({{CF_TEXT, Ansi(codes)}, {CF_UNICODETEXT, Wide({0x5D4, 0x5BC})}});
  ASSERT_TRUE(m_pTarget->PasteFiltered({kFilterNone}));
  EXPECT_EQ(codes, Text(m_pTarget));
  // Only CF_TEXT placed: the system's Unicode must not override the standard filter.
  PlaceOnClipboard({{CF_TEXT, Ansi("\xE1\xC8\xCC")}});
  m_pTarget->SetText("");
  ASSERT_TRUE(m_pTarget->PasteFiltered({kFilterStandard}));
  EXPECT_EQ(Codes({BetDagesh, Qamats}), Text(m_pTarget));
}

TEST_F(EditClipboardTest, PasteSpecialIsOneUndoStep) {
  PlaceOnClipboard({{CF_TEXT, Ansi("\xE1\xC7")}});
  m_pTarget->SetText(Codes({Dalet}).c_str());
  m_pTarget->GetModel().MoveCaretByKey(HebEditModel::kKeyEnd, FALSE, FALSE);
  ASSERT_TRUE(m_pTarget->PasteFiltered({kFilterStandard}));
  EXPECT_EQ(Codes({Dalet, Bet, Patah}), Text(m_pTarget));
  m_pTarget->SendMessage(WM_UNDO);
  EXPECT_EQ(Codes({Dalet}), Text(m_pTarget));
}

TEST_F(EditClipboardTest, AClipboardThatCannotBeReadKeepsTheSelection) {
  PlaceOnClipboard({{CF_TEXT, Ansi("abc")}});
  m_pTarget->SetText(kPointed.c_str());
  Select(m_pTarget, 0, 2);
  {
    ClipboardHeldElsewhere held;
    ASSERT_TRUE(held.IsHeld());
    m_pTarget->SendMessage(WM_PASTE);
    EXPECT_FALSE(m_pTarget->PasteFiltered({kFilterStandard}));
    // Nor does a cut lose text it could not put on the clipboard.
    MessageBoxAnswerer answerer;
    m_pTarget->SendMessage(WM_CUT);
    ASSERT_FALSE(answerer.Boxes().empty());
    EXPECT_EQ("Error", answerer.Boxes()[0].caption);
  }
  EXPECT_EQ(kPointed, Text(m_pTarget));
  EXPECT_TRUE(m_pTarget->HasSelection());
}

TEST_F(EditClipboardTest, CopySpecialAndPasteSpecialCommandsRunTheChosenFilters) {
  MemoryProfileStore store;
  SetPreferenceStore(&store);
  m_pSource->SetText(Codes({Bet, Patah}).c_str());
  m_pSource->SelectAll();
  AnswerNextDialog("Copy Special", IDC_FILTER_UTF8);
  m_pSource->SendMessage(WM_COMMAND, ID_HEBEDIT_COPY_SPECIAL);
  EXPECT_EQ("\xD7\x91\xD6\xB7", ClipboardBytes(CF_TEXT));
  EXPECT_EQ(2, static_cast<int>(store.GetProfileInt("Preferences", "CopySpecial Interpret", -1)));

  PlaceOnClipboard({{CF_TEXT, Ansi("\xE1\xC8\xCC")}});
  m_pTarget->SetText(Codes({Dalet}).c_str());
  m_pTarget->GetModel().MoveCaretByKey(HebEditModel::kKeyEnd, FALSE, FALSE);
  AnswerNextDialog("Paste Special", IDC_FILTER_STANDARD);
  m_pTarget->SendMessage(WM_COMMAND, ID_HEBEDIT_PASTE_SPECIAL);
  EXPECT_EQ(Codes({Dalet, BetDagesh, Qamats}), Text(m_pTarget));
  EXPECT_EQ(1, static_cast<int>(store.GetProfileInt("Preferences", "PasteSpecial Interpret", -1)));
  m_pTarget->SendMessage(WM_UNDO);
  EXPECT_EQ(Codes({Dalet}), Text(m_pTarget));
  SetPreferenceStore(nullptr);
}

// Another program on the same display, through the X clipboard.
TEST_F(EditClipboardTest, LinuxProgramReadsTheCopyAsUnicodeAndPastesPointedHebrew) {
  if (RunLinuxCommand("command -v xclip >/dev/null") != 0) GTEST_SKIP() << "xclip is not installed";
  m_pSource->SetText(Codes({ShinShinDot, Qamats, Lamed, HolamMale, FinalMem}).c_str());
  m_pSource->SelectAll();
  m_pSource->SendMessage(WM_COPY);
  // The system offers the copy to X programs a moment after it is made.
  // A name of this run's own: runs side by side share /tmp.
  const std::string outName = "zulta-xclip-out-" + std::to_string(::GetCurrentProcessId());
  const std::string outPath = "Z:\\tmp\\" + outName;
  std::string read;
  WaitFor([&] {
    RunLinuxCommand("xclip -selection clipboard -o -target UTF8_STRING > /tmp/" + outName +
                    " 2>/dev/null");
    read = ReadFileBytes(outPath.c_str());
    return !read.empty();
  });
  ::DeleteFileA(outPath.c_str());
  // Shin with its dot and qamats, lamed, vav with holam, final mem.
  EXPECT_EQ("\xD7\xA9\xD7\x81\xD6\xB8\xD7\x9C\xD7\x95\xD6\xB9\xD7\x9D", read);

  // Bet with patah and dagesh, yod with hiriq, tav, placed by xclip in
  // Unicode's canonical order (patah before dagesh); xclip serves the
  // selection until another program takes it.
  PlaceOnClipboard({});
  ASSERT_EQ(
      0, RunLinuxCommand("printf '\\327\\221\\326\\267\\326\\274\\327\\231\\326\\264\\327\\252' | "
                         "timeout 30 xclip -selection clipboard -i"));
  m_pTarget->SetText("");
  // The system takes a moment to see a new owner of the X clipboard.
  std::string pasted;
  WaitFor([&] {
    m_pTarget->SendMessage(WM_PASTE);
    pasted = Text(m_pTarget);
    return !pasted.empty();
  });
  EXPECT_EQ(Codes({BetDagesh, Patah, Yod, Hiriq, Tav}), pasted);
  // Taking the clipboard back ends xclip: left serving, it would outlive the
  // run and hold the output of whoever started it.
  PlaceOnClipboard({});
}

}  // namespace edit_clipboard_test
