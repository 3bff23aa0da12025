#include <gtest/gtest.h>

#include "editor/core/ZultaDocTransfer.h"
#include "editor/core/ZultaFile.h"
#include "editor/tests/core/DocEditTestSupport.h"
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

// Per line of the English side: its section's column count, 0 outside any.
std::vector<int> LineColumns(DocTextModel& model) {
  std::vector<int> columns;
  for (const DocLineNode* line = model.GetHead(0)->line; line; line = line->next)
    columns.push_back(line->section ? line->section->columnCount : 0);
  return columns;
}

ByteBuffer SaveModel(DocTextModel& model) {
  ZultaDocData data;
  CollectDocumentForFile(model, "", data);
  CZultaFile writer;
  ByteBuffer bytes;
  EXPECT_TRUE(writer.WriteDocument(data, "t.zlt", bytes));
  return bytes;
}

// Opens the bytes into a fresh editor as the program's Open does.
void OpenInto(const ByteBuffer& bytes, EditDoc& doc) {
  ZultaDocData data;
  data.styles.AddDefaultEntries();
  CZultaFile reader;
  ASSERT_TRUE(reader.ReadDocument(bytes.data(), bytes.size(), data)) << reader.GetError();
  doc.model.GetStyleTables().CopyFrom(data.styles);
  for (int side = 0; side < kFileSideCount; ++side)
    FillLoadBuffers(data.sides[side], doc.editor.LoadBuffers(side));
  ASSERT_EQ(doc.editor.BuildSidesFromBuffers(nullptr, FALSE, 96), 1);
}

TEST(ZultaDocTransferTest, ColumnSectionsEndWhereTheyEndedAfterSaveAndOpen) {
  EditDoc doc;
  std::string text;
  for (int i = 0; i < 10; ++i) text += (i ? "\rp" : "p") + std::to_string(i);
  doc.Load(0, text);
  std::vector<DocLineNode*> lines;
  for (DocLineNode* line = doc.model.GetHead(0)->line; line; line = line->next)
    lines.push_back(line);
  ASSERT_EQ(lines.size(), 10u);
  DocSection two, three;
  two.columnCount = 2;
  three.columnCount = 3;
  doc.model.SetLinesSection(lines[2], lines[3], &two);
  doc.model.SetLinesSection(lines[6], lines[7], &three);
  const std::vector<int> expected = {0, 0, 2, 2, 0, 0, 3, 3, 0, 0};
  ASSERT_EQ(LineColumns(doc.model), expected);

  ByteBuffer saved = SaveModel(doc.model);
  EditDoc opened;
  OpenInto(saved, opened);
  EXPECT_EQ(LineColumns(opened.model), expected);
  EXPECT_EQ(SaveModel(opened.model), saved) << "saving the opened document again";
}

}  // namespace
