#include "editor/core/PaperSizes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

// The sizes the system's paper library gives (paperconf), in millimetres,
// by its paper names.
std::map<std::string, std::pair<double, double>> SystemPaperSizes() {
  std::map<std::string, std::pair<double, double>> sizes;
  FILE* pipe = popen("paperconf -a -n -w -h -m 2>/dev/null", "r");
  if (pipe == nullptr) return sizes;
  char name[64];
  double width, length;
  while (fscanf(pipe, "%63s %lf mm %lf mm", name, &width, &length) == 3)
    sizes[name] = {width, length};
  pclose(pipe);
  return sizes;
}

double Millimetres(WORD value, WORD unit) { return unit == 1 ? value * 0.0254 : value * 0.1; }

TEST(PaperSizesTest, SizesAgreeWithTheSystemPaperLibrary) {
  const auto system = SystemPaperSizes();
  if (system.empty()) GTEST_SKIP() << "paperconf is not installed";
  // The codes whose paper the library knows under a name of its own.
  const std::pair<int, const char*> kCodes[] = {
      {1, "letter"},    {3, "tabloid"}, {4, "ledger"},  {5, "legal"}, {6, "statement"},
      {7, "executive"}, {8, "a3"},      {9, "a4"},      {11, "a5"},   {14, "folio"},
      {15, "quarto"},   {16, "10x14"},  {17, "11x17"},  {18, "note"}, {20, "Comm10"},
      {24, "csheet"},   {25, "dsheet"}, {26, "esheet"}, {27, "DL"},   {28, "c5"},
      {29, "c3"},       {30, "c4"},     {31, "c6"},     {33, "b4"},   {34, "b5"},
      {37, "Monarch"},  {42, "b4"},     {55, "a4"},     {61, "a5"},   {66, "a2"},
      {67, "a3"}};
  constexpr double kToleranceMm = 0.5;
  for (const auto& [code, name] : kCodes) {
    SCOPED_TRACE(testing::Message() << "code " << code << " " << name);
    auto found = system.find(name);
    ASSERT_NE(found, system.end());
    PaperSize size;
    ASSERT_TRUE(LookupPaperSize(code, size));
    EXPECT_NEAR(Millimetres(size.width, size.unit), found->second.first, kToleranceMm);
    EXPECT_NEAR(Millimetres(size.length, size.unit), found->second.second, kToleranceMm);
  }
}

TEST(PaperSizesTest, UnitsCustomReservedAndCodesPastTheTable) {
  const int kMillimetreCodes[] = {8,  9,  10, 11, 12, 13, 15, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                                  36, 42, 43, 47, 55, 57, 58, 60, 61, 62, 63, 64, 65, 66, 67, 68};
  for (int code = 1; code <= kLastPaperCode; code++) {
    SCOPED_TRACE(code);
    PaperSize size;
    ASSERT_TRUE(LookupPaperSize(code, size));
    if (code == 48 || code == 49) {
      EXPECT_EQ(size.unit, 0);
      EXPECT_EQ(size.width, 0);
      continue;
    }
    bool millimetres = std::find(std::begin(kMillimetreCodes), std::end(kMillimetreCodes), code) !=
                       std::end(kMillimetreCodes);
    EXPECT_EQ(size.unit, millimetres ? 2 : 1);
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.length, 0);
  }
  PaperSize custom;
  ASSERT_TRUE(LookupPaperSize(kPaperCustom, custom));
  EXPECT_EQ(custom.unit, 1);
  EXPECT_EQ(custom.width, 0);
  PaperSize none;
  EXPECT_FALSE(LookupPaperSize(kLastPaperCode + 1, none));
  EXPECT_FALSE(LookupPaperSize(-1, none));
}

// A DC_PAPERNAMES block: 64-character slots, a full slot unterminated.
std::string NameBlock(std::initializer_list<std::string> names) {
  std::string block;
  for (const std::string& name : names) {
    std::string slot = name;
    slot.resize(kPaperNameLength, '\0');
    block += slot;
  }
  return block;
}

TEST(PaperListTest, MergesPrintersByCodeSkipsRepeatsAndEndsWithCustom) {
  PaperList list;
  const std::string longName(kPaperNameLength, 'x');
  std::string first = NameBlock({"A4", "Letter", longName});
  const WORD firstCodes[] = {9, 1, 300};
  list.AddPrinterPapers(first.data(), first.size(), firstCodes, 3);
  std::string second = NameBlock({"Legal", "Letter again"});
  const WORD secondCodes[] = {5, 1};
  list.AddPrinterPapers(second.data(), second.size(), secondCodes, 2);
  list.AddCustom();

  const auto& entries = list.Entries();
  ASSERT_EQ(entries.size(), 5u);
  const std::pair<WORD, CString> kExpected[] = {
      {1, "Letter"}, {5, "Legal"}, {9, "A4"}, {300, CString(longName.c_str())}, {0, "Custom"}};
  for (size_t i = 0; i < entries.size(); i++) {
    EXPECT_EQ(entries[i].code, kExpected[i].first) << i;
    EXPECT_EQ(entries[i].name, kExpected[i].second) << i;
  }
  EXPECT_EQ(list.IndexOfCode(9), 2);
  EXPECT_EQ(list.IndexOfCode(0), 4);
  EXPECT_EQ(list.IndexOfCode(77), 0);
}

TEST(PaperListTest, ReadsNoNamePastTheBlock) {
  PaperList list;
  // The printer claims three papers but gave room for one and a half names.
  std::string block = NameBlock({"A4", "Letter"});
  block.resize(kPaperNameLength + kPaperNameLength / 2);
  const WORD codes[] = {9, 1, 5};
  list.AddPrinterPapers(block.data(), block.size(), codes, 3);
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Entries()[0].name, "Letter");
}

}  // namespace
