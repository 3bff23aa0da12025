// Noun table records by id through the context's bucket index.
#include <gtest/gtest.h>

#include <vector>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounTableLookup.h"

namespace {

// A nountbl.bin of records with these ids (and the sentinel after them).
std::vector<BYTE> NounTableFile(const std::vector<WORD>& ids) {
  std::vector<BYTE> bytes(GrammarLayout::kCountHeader +
                          (ids.size() + 1) * GrammarLayout::kNounTableRecSize);
  WriteU32LE(bytes.data(), static_cast<DWORD>(ids.size()));
  for (size_t i = 0; i < ids.size(); ++i)
    WriteU16LE(bytes.data() + GrammarLayout::kCountHeader + i * GrammarLayout::kNounTableRecSize,
               ids[i]);
  return bytes;
}

void LoadTable(const std::vector<WORD>& ids) {
  std::vector<BYTE> file = NounTableFile(ids);
  ASSERT_TRUE(ReadNounTable(file.data(), file.size()));
}

class NounTables : public ::testing::Test {
 protected:
  void TearDown() override { FreeNounAdjTables(); }
  GrammarContext context;
};

TEST_F(NounTables, FoundByIdItsAbsoluteValueOrTheMarkedId) {
  LoadTable({100, 150, 250, 3010});
  EXPECT_EQ(FindNounTableRecord(context, 100), 0u);
  EXPECT_EQ(FindNounTableRecord(context, 150), 1u);
  EXPECT_EQ(FindNounTableRecord(context, 250), 2u);
  EXPECT_EQ(FindNounTableRecord(context, -250), 2u);
  EXPECT_EQ(FindNounTableRecord(context, 10250), 2u);
  EXPECT_EQ(FindNounTableRecord(context, 3010), 3u);
}

TEST_F(NounTables, AnAbsentIdGivesTheCountNeverAnotherRecord) {
  LoadTable({100, 150, 250, 3010});
  for (int id : {0, 99, 151, 999, 9999, 20000, -20000})
    EXPECT_EQ(FindNounTableRecord(context, id), 4u) << id;
}

TEST_F(NounTables, TheIndexIsRebuiltWhenTheTablesAreReloaded) {
  LoadTable({100, 150, 250, 3010});
  ASSERT_EQ(FindNounTableRecord(context, 3010), 3u);
  // Fewer records, other places: the old buckets would point beyond them.
  LoadTable({3010});
  EXPECT_EQ(FindNounTableRecord(context, 3010), 0u);
  EXPECT_EQ(FindNounTableRecord(context, 250), 1u);
  FreeNounAdjTables();
  EXPECT_EQ(FindNounTableRecord(context, 3010), 0u);
  LoadTable({250, 251});
  EXPECT_EQ(FindNounTableRecord(context, 251), 1u);
}

}  // namespace
