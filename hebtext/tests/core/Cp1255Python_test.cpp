// AnsiHebrewToUnicode against Python's cp1255 codec, recorded in
// data/cp1255.txt by data/make-fixtures.py.
#include <gtest/gtest.h>

#include <map>

#include "hebtext/tests/core/Cp1255Reference.h"
#include "hebtext/tests/core/FixtureFile.h"

namespace {

TEST(Cp1255Python, AgreesOnEveryByte) {
  std::map<int, int> python;
  for (const std::string& line : fixture::DataLines("cp1255.txt")) {
    const auto fields = fixture::Split(line, ' ');
    python[std::stoi(fields.at(0), nullptr, 16)] =
        fields.at(1) == "-" ? cp1255::kNoUnit : std::stoi(fields.at(1), nullptr, 16);
  }
  ASSERT_EQ(256u, python.size()) << "data/cp1255.txt is missing or short";
  EXPECT_EQ("", cp1255::Disagreements([&](int byte) { return python.at(byte); }));
}

}  // namespace
