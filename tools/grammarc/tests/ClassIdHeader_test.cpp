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
            "// The class id ranges of data/registry.txt, by family and kind; written by\n"
            "// grammarc from the registry, which is the place to change them.\n"
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
