#include <gtest/gtest.h>

#include "editor/core/ZultaDocTransfer.h"
#include "editor/core/ZultaFile.h"
#include "editor/tests/core/DocTestSupport.h"
#include "editor/tests/core/HebrewWords.h"

namespace {

int CountLines(DocTextModel& model, int side) {
  int lines = 0;
  for (const DocLineNode* line = model.GetHead(side)->line; line; line = line->next) ++lines;
  return lines;
}

TEST(ZultaDocTransferTest, SavedModelReadsBackWithItsTextLinesAndLayouts) {
  TestDoc doc;
  const std::string english =
      "first paragraph\rsecond one that is long enough to wrap over more lines";
  doc.Load(0, english);
  doc.Load(1, Hebrew("אבג"));
  DocLineNode* second = doc.model.GetHead(0)->line->next;
  ASSERT_NE(second, nullptr);
  second->format = 2;
  ZultaDocData data;
  CollectDocumentForFile(doc.model, "title", data);
  EXPECT_EQ(data.sides[0].letters, english);
  EXPECT_EQ(data.sides[0].lineFormats.size(), static_cast<size_t>(CountLines(doc.model, 0)));
  EXPECT_EQ(data.sides[0].lineFormats[1], 2u);
  EXPECT_EQ(data.sides[0].layouts.size(), static_cast<size_t>(doc.model.GetPageCount(0)) + 1);

  CZultaFile writer;
  ByteBuffer bytes;
  ASSERT_TRUE(writer.WriteDocument(data, "t.zlt", bytes));
  ZultaDocData back;
  back.styles.AddDefaultEntries();
  CZultaFile reader;
  ASSERT_TRUE(reader.ReadDocument(bytes.data(), bytes.size(), back)) << reader.GetError();
  EXPECT_EQ(back.sides[0].letters, data.sides[0].letters);
  EXPECT_EQ(back.sides[0].lineFormats, data.sides[0].lineFormats);
  EXPECT_EQ(back.sides[1].letters, Hebrew("אבג"));
  EXPECT_EQ(back.title, "title");
}

}  // namespace
