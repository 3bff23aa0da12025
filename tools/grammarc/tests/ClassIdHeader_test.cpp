// The header of named class id ranges that grammarc writes from a registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "tools/grammarc/GrammarCompiler.h"

namespace {

class ClassIdHeader : public ::testing::Test {
 protected:
  ClassIdHeader()
      : m_folder(std::filesystem::temp_directory_path() /
                 ("zulta-classids-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(m_folder);
  }
  ~ClassIdHeader() override {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }

  // The header of the registry, or the message of its error.
  std::string HeaderOf(const std::string& registry) {
    std::ofstream(m_folder / "registry.txt") << registry;
    try {
      return ReadClassIdHeader(m_folder.string());
    } catch (const SourceError& error) {
      return error.what();
    }
  }

 private:
  std::filesystem::path m_folder;
};

TEST_F(ClassIdHeader, EachKindOfAFamilyIsOneNamedSetOfRanges) {
  EXPECT_EQ(HeaderOf("# comment\n"
                     "range paal short-future 170-219 \"short future forms after vav-inversive\"\n"
                     "range pual database-skip 181 241 \"only some forms enter the word "
                     "database; a meaning long enough to take a second line of comment\"\n"
                     "range paal set-a 121 125 \"stress\"\n"
                     "range paal short-future 5000\n"
                     "range noun2 x 1-2\n"),
            "// The class id ranges and named ids of data/registry.txt; written by grammarc\n"
            "// from the registry, which is the place to change them.\n"
            "#pragma once\n"
            "\n"
            "namespace ClassIds {\n"
            "\n"
            "struct IdRange {\n"
            "  int first, last;  // both included\n"
            "};\n"
            "\n"
            "template <int N>\n"
            "constexpr bool Contains(const IdRange (&ranges)[N], int id) {\n"
            "  for (const IdRange& range : ranges)\n"
            "    if (id >= range.first && id <= range.last) return true;\n"
            "  return false;\n"
            "}\n"
            "\n"
            "// short future forms after vav-inversive\n"
            "constexpr IdRange kPaalShortFuture[] = {{170, 219}, {5000, 5000}};\n"
            "\n"
            "// only some forms enter the word database; a meaning long enough to take a\n"
            "// second line of comment\n"
            "constexpr IdRange kPualDatabaseSkip[] = {{181, 181}, {241, 241}};\n"
            "\n"
            "// stress\n"
            "constexpr IdRange kPaalSetA[] = {{121, 121}, {125, 125}};\n"
            "\n"
            "constexpr IdRange kNoun2X[] = {{1, 2}};\n"
            "\n"
            "}  // namespace ClassIds\n");
}

TEST_F(ClassIdHeader, NamedIdsAreConstantsGroupedByFamilyAfterTheRanges) {
  std::string header = HeaderOf(
      "range paal set-a 121 \"stress\"\n"
      "id paal 181 drop-first-outside-future \"outside the future the first root letter "
      "is dropped\"\n"
      "range hitpael prefix-rewrite 403\n"
      "id hitpael 403 hitdapek\n"
      "id paal 243 drop-first-in-future \"the future drops the first root letter\"\n"
      "id hitpael 181 drop-first-in-future\n");
  const std::string ranges = "constexpr IdRange kHitpaelPrefixRewrite[] = {{403, 403}};\n";
  ASSERT_NE(header.find(ranges), std::string::npos) << header;
  EXPECT_EQ(header.substr(header.find(ranges) + ranges.size()),
            "\n"
            "// The named ids of paal.\n"
            "// outside the future the first root letter is dropped\n"
            "constexpr int kPaalDropFirstOutsideFuture = 181;\n"
            "// the future drops the first root letter\n"
            "constexpr int kPaalDropFirstInFuture = 243;\n"
            "\n"
            "// The named ids of hitpael.\n"
            "constexpr int kHitpaelHitdapek = 403;\n"
            "constexpr int kHitpaelDropFirstInFuture = 181;\n"
            "\n"
            "}  // namespace ClassIds\n");
}

TEST_F(ClassIdHeader, AMistakenIdLineIsAnErrorWithItsPlace) {
  const std::string range = "range paal set-a 1\n";
  struct Case {
    std::string registry;
    std::string message;
  } cases[] = {
      {range + "id paal 181 Drop\n",
       "data/registry.txt:2: \"Drop\" cannot name a constant: use lower-case letters, digits and "
       "inner '-', beginning with a letter"},
      {range + "id pael 181 drop\n",
       "data/registry.txt:2: the registry has no ranges of the family pael"},
      {range + "id paal 181 drop\nid paal 243 drop\n",
       "data/registry.txt:3: the name drop is given twice in paal"},
      {range + "id paal 181 drop\nid paal 181 cut\n",
       "data/registry.txt:3: id 181 is named twice in paal"},
      {range + "id paal 181 set-a\n",
       "data/registry.txt:2: the name set-a is a kind of paal already"},
      {range + "id paal 181\n",
       "data/registry.txt:2: expected: id <family> <id> <name> [\"meaning\"]"},
      {range + "id paal 181 \"drop\"\n",
       "data/registry.txt:2: expected: id <family> <id> <name> [\"meaning\"]"},
      {range + "id paal 181 drop first\n",
       "data/registry.txt:2: expected: id <family> <id> <name> [\"meaning\"]"},
      {range + "id paal x drop\n", "data/registry.txt:2: \"x\" is not a number"},
      {"name paal 181 drop\n", "data/registry.txt:1: expected a range or an id line"},
  };
  for (const Case& c : cases) EXPECT_EQ(HeaderOf(c.registry), c.message) << c.registry;
}

TEST_F(ClassIdHeader, ALongListWrapsWithinTheLineWidth) {
  std::string ids;
  for (int id = 1; id <= 40; ++id) ids += " " + std::to_string(id * 10);
  std::string header = HeaderOf("range hitpael prefix-rewrite" + ids + "\n");
  size_t start = 0;
  while (start < header.size()) {
    size_t end = header.find('\n', start);
    EXPECT_LE(end - start, 100u) << header.substr(start, end - start);
    start = end + 1;
  }
  EXPECT_NE(header.find("\n    {380, 380}, {390, 390}, {400, 400}};\n"), std::string::npos)
      << header;
}

TEST_F(ClassIdHeader, ANameThatMakesNoConstantIsAnErrorWithItsPlace) {
  const std::string rule =
      " cannot name a constant: use lower-case letters, digits and inner '-', beginning with "
      "a letter";
  struct Case {
    const char* registry;
    std::string message;
  } cases[] = {
      {"range paal set_a 1\n", "data/registry.txt:1: \"set_a\"" + rule},
      {"range paal set-a 1\nrange Paal set-b 2\n", "data/registry.txt:2: \"Paal\"" + rule},
      {"range paal 2nd 1\n", "data/registry.txt:1: \"2nd\"" + rule},
      {"range paal set--a 1\n", "data/registry.txt:1: \"set--a\"" + rule},
      {"range paal set- 1\n", "data/registry.txt:1: \"set-\"" + rule},
      {"range paal set-a \"no ids\"\n", "data/registry.txt:1: \"set-a\" of paal has no ids"},
  };
  for (const Case& c : cases) EXPECT_EQ(HeaderOf(c.registry), c.message) << c.registry;
}

}  // namespace
