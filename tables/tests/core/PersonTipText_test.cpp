// The person tips: the heading lines of every style and the pronouns, the
// Hebrew checked against its pointed spelling.
#include "tables/core/PersonTipText.h"

#include <gtest/gtest.h>

#include <string>

#include "tables/tests/core/PointedHebrew.h"

namespace {

// The Hebrew pronoun of a tip: what follows the Hebrew font's size.
std::string HebrewOf(const std::string& tip) {
  const std::string open = "{F6}{FS150}", close = "{/F}";
  const size_t start = tip.find(open);
  if (start == std::string::npos) return {};
  const size_t from = start + open.size();
  return tip.substr(from, tip.find(close, from) - from);
}

TEST(PersonTipText, PronounsInEnglishAndPointedHebrew) {
  struct Case {
    int person;
    const char* english[2];  // object, possessive
    const char* hebrew[2];
  } const cases[] = {
      {1, {"Me", "My"}, {"אוֹתִי", "שֶׁלִּי"}},       {2, {"You", "Your"}, {"אוֹתְךָ", "שֶׁלְּךָ"}},
      {3, {"You", "Your"}, {"אוֹתָךְ", "שֶׁלָּךְ"}},    {4, {"Him", "His"}, {"אוֹתוֹ", "שֶׁלּוֹ"}},
      {5, {"Her", "Her"}, {"אוֹתָהּ", "שֶׁלָּהּ"}},     {6, {"Us", "Our"}, {"אוֹתָנוּ", "שֶׁלָּנוּ"}},
      {7, {"You", "Your"}, {"אֶתְכֶם", "שֶׁלָּכֶם"}},   {8, {"You", "Your"}, {"אֶתְכֶן", "שֶׁלָּכֶן"}},
      {9, {"Them", "Their"}, {"אוֹתָם", "שֶׁלָּהֶם"}}, {10, {"Them", "Their"}, {"אוֹתָן", "שֶׁלָּהֶן"}},
  };
  const int styles[2] = {kPersonTipObject, kPersonTipPossessive};
  for (const auto& c : cases)
    for (int s = 0; s < 2; ++s) {
      const std::string tip = BuildPersonTip(c.person, styles[s]);
      EXPECT_NE(std::string::npos, tip.find(std::string("{FS120}") + c.english[s] + " = "))
          << c.person << " " << tip;
      EXPECT_EQ(PointedHebrew(c.hebrew[s]), HebrewOf(tip)) << c.person << " style " << styles[s];
    }
}

TEST(PersonTipText, TheWholeTipOfEachStyle) {
  EXPECT_EQ(
      "{B255,255,255}{T255,0,0}{C}{F2}{FS130}Feminine Plural\n{C}Third Person\n"
      "{T0,0,128}{C}{F2}{FS120}Their = {F6}{FS150}" +
          PointedHebrew("שֶׁלָּהֶן") + "{/F}{/T}{/B}",
      BuildPersonTip(10, kPersonTipPossessive));
  // The first person has no gender: a blank stands before the number.
  EXPECT_EQ("{B255,255,255}{T255,0,0}{C}{F2}{FS130} Plural\n{T0,0,128}{C}First Person{/F}{/T}{/B}",
            BuildPersonTip(6, kPersonTipPersonOnly));
  EXPECT_EQ("{B255,255,255}{T255,0,0}{C}{F2}{FS130}Plural\n{T0,0,128}{C}Feminine{/F}{/T}{/B}",
            BuildPersonTip(4, kPersonTipGenderOnly));
  EXPECT_EQ("{B255,255,255}{T255,0,0}{C}{F2}{FS130}Singular\n{T0,0,128}{C}Masculine{/F}{/T}{/B}",
            BuildPersonTip(1, kPersonTipGenderOnly));
  // Another style shows the object pronouns.
  EXPECT_EQ(BuildPersonTip(4, kPersonTipObject), BuildPersonTip(4, 0));
}

TEST(PersonTipText, NoTipOutsideThePersons) {
  struct Case {
    int person;
    int style;
  } const cases[] = {{0, kPersonTipObject},      {11, kPersonTipPossessive},
                     {-1, kPersonTipPersonOnly}, {5, kPersonTipGenderOnly},
                     {10, kPersonTipGenderOnly}, {0, kPersonTipGenderOnly}};
  for (const auto& c : cases) EXPECT_EQ("", BuildPersonTip(c.person, c.style)) << c.person;
}

}  // namespace
