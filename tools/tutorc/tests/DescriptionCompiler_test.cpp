// The descriptions compiler on small sources: the fields it stores, the
// letter positions it finds, and every mistake at its place.
#include <gtest/gtest.h>

#include <string>

#include "tools/tutorc/tests/TempSource.h"
#include "tools/tutorc/DescriptionSource.h"
#include "tools/tutorc/ReferenceHeader.h"

namespace {

class DescriptionCompiler : public ::testing::Test {
 protected:
  CompiledDescriptions Compile(const std::string& source) {
    return CompileDescriptions(m_source.Write(source), "data/descriptions.txt");
  }
  std::string ErrorOf(const std::string& source) {
    return TempSource::ErrorOf([&] { Compile(source); });
  }

  TempSource m_source;
};

const char kBet[] =
    "item ב\n  names בֵּית בֵית\n  english Bet Vet\n  ordinal 2nd\n"
    "  sounds B \"Boy\"\n  sounds V \"Very\"\n"
    "  example אָב \"father\"\n  example בַּיִת \"house\"\n  example זָהָב \"gold\"\n";

TEST_F(DescriptionCompiler, StoresTheFieldsTemplatesAndParagraphs) {
  const CompiledDescriptions compiled = Compile(
      std::string("template letter-sentence \"#D20000 %s #0 $%s$ is the %s letter. \"\n") + kBet +
      "item KAM\n  names קָמָץ\n  english Kamats\n  sounds A \"Father\"\n"
      "  example יָד \"hand\"\n  example שָׁלוֹם \"peace\"\n  example \"חׇכְמָה כָּל\" \"x\"\n"
      "  paragraph \"One $בָ$.\"\n  paragraph \"Two.\"\n");
  ASSERT_EQ(compiled.templates.size(), 1u);
  EXPECT_EQ(compiled.templates[0].name, "letter-sentence");
  EXPECT_EQ(compiled.templates[0].text, "#D20000 %s #0 $%s$ is the %s letter. ");
  EXPECT_EQ(TemplateConstant("letter-sentence"), "kLetterSentence");
  ASSERT_EQ(compiled.items.size(), 2u);
  EXPECT_EQ(compiled.items[0].code, 200);  // in code order
  EXPECT_EQ(compiled.items[0].fields,
            "\xF7\xC8\xEE\xC8\xF5|Kamats||A*Father|0\xE9\xC8\xE3@hand|"
            "0\xD1\xC8\xEC\xCE\xED@peace|2\xE7\x80\xEB\xC0\xEE\xC8\xE4 \xAB\xC8\xEC@x");
  EXPECT_EQ(compiled.items[0].paragraphs, "One $\xE1\xC8$.\nTwo.\n");
  EXPECT_EQ(compiled.items[1].fields,
            "\xA1\xC5\xE9\xFA*\xE1\xC5\xE9\xFA|Bet*Vet|2nd|B*Boy*V*Very|1\xE0\xC8\xE1@father|"
            "0\xA1\xC7\xE9\xC4\xFA@house|2\xE6\xC8\xE4\xC8\xE1@gold");
}

TEST_F(DescriptionCompiler, ReportsEachMistakeAtItsLine) {
  struct Case {
    std::string source;
    std::string error;
  };
  const std::string item = "item ג\n  names גִּימֶל\n  english Gimel\n";
  const Case cases[] = {
      {"template Letter \"x\"\n", "data/descriptions.txt:1: \"Letter\" is not a template name"},
      {"template a \"x\"\ntemplate a \"y\"\n",
       "data/descriptions.txt:2: template a is given twice"},
      {"template a \"%d\"\n", "data/descriptions.txt:1: a template takes %s, %c and %% only"},
      {"template a \"x\"\n  more\n", "data/descriptions.txt:2: a template is one line"},
      {"word ג\n", "data/descriptions.txt:1: expected \"template\" or \"item\""},
      {item + item, "data/descriptions.txt:4: the item is described twice"},
      {"item ג\n  names גִּימֶל\n",
       "data/descriptions.txt:1: an item has as many English names as Hebrew names"},
      {item + "  sounds G \"Go\"\n  sounds G \"Go\"\n",
       "data/descriptions.txt:1: an item has one sound a name, or none"},
      {item + "  example גַּן \"garden\"\n",
       "data/descriptions.txt:1: an item has no, three or six examples"},
      {item + "  example דָּבָר \"thing\"\n",
       "data/descriptions.txt:4: the example does not show its item"},
      {item + "  example אבדהוזחטיכג \"x\"\n",
       "data/descriptions.txt:4: the item stands past the tenth letter of the example"},
      {item + "  example גַּן garden\n", "data/descriptions.txt:4: a meaning is a quoted text"},
      {item + "  example גַּן \"a|b\"\n",
       "data/descriptions.txt:4: \"a|b\" holds a separator of the description"},
      {item + "  colour red\n",
       "data/descriptions.txt:4: \"colour\" is not a part of a description"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.source), c.error) << c.source;
}

}  // namespace
