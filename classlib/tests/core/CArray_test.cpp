#include "classlib/core/CArray.h"

#include "classlib/tests/core/Counted.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Shows the room and grow-by step the array keeps to itself.
template <class TYPE, class ARG_TYPE>
class PeekArray : public CArray<TYPE, ARG_TYPE> {
 public:
  int MaxSize() const { return this->m_nMaxSize; }
  int GrowBy() const { return this->m_nGrowBy; }
};

using CountedArray = CArray<Counted, const Counted&>;

std::vector<int> Values(const CountedArray& array) {
  std::vector<int> values;
  for (int i = 0; i < array.GetSize(); ++i) values.push_back(array[i].Value());
  return values;
}

void Fill(CountedArray& array, const std::vector<int>& values) {
  array.RemoveAll();
  for (int value : values) array.Add(value);
}

struct SizeStep {
  int nNewSize;
  int nGrowBy;
  int expectMaxSize;
  int expectGrowBy;
};

struct GrowthCase {
  const char* name;
  std::vector<SizeStep> steps;
};

class ArrayGrowth : public testing::TestWithParam<GrowthCase> {};

TEST_P(ArrayGrowth, KeepsRoomByTheGrowByStep) {
  PeekArray<int, int> array;
  int step = 0;
  for (const SizeStep& s : GetParam().steps) {
    SCOPED_TRACE(testing::Message()
                 << "step " << step++ << ": SetSize(" << s.nNewSize << ", " << s.nGrowBy << ")");
    int nOldSize = array.GetSize();
    for (int i = 0; i < nOldSize; ++i) array[i] = i + 1;
    const int* pOldData = array.GetData();
    int nOldMax = array.MaxSize();

    array.SetSize(s.nNewSize, s.nGrowBy);

    EXPECT_EQ(array.GetSize(), s.nNewSize);
    EXPECT_EQ(array.GetUpperBound(), s.nNewSize - 1);
    EXPECT_EQ(array.MaxSize(), s.expectMaxSize);
    EXPECT_EQ(array.GrowBy(), s.expectGrowBy);
    if (s.nNewSize == 0) {
      EXPECT_EQ(array.GetData(), nullptr);
    } else if (s.nNewSize <= nOldMax) {
      EXPECT_EQ(array.GetData(), pOldData);  // no move while it fits
    }
    // Kept elements keep their values; new ones start at zero.
    for (int i = 0; i < s.nNewSize; ++i) {
      ASSERT_EQ(array[i], i < nOldSize ? i + 1 : 0) << "element " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    SetSize, ArrayGrowth,
    testing::Values(GrowthCase{"explicit_step",
                               {{3, 10, 10, 10},   // the first block already has a step's room
                                {10, -1, 10, 10},  // fits
                                {11, -1, 20, 10},  // one step more
                                {35, -1, 35, 10},  // beyond a step: exactly what is asked
                                {5, -1, 35, 10},   // shrinking keeps the room
                                {0, -1, 0, 10},    // size 0 frees the block, keeps the step
                                {1, -1, 10, 10}}},
                    GrowthCase{"default_step",
                               {{1, 0, 1, 0},
                                {2, -1, 5, 0},  // at least 4 more
                                {100, -1, 100, 0},
                                {101, -1, 112, 0},  // an eighth of the size
                                {10000, -1, 10000, 0},
                                {10001, -1, 11024, 0}}},  // at most 1024 more
                    GrowthCase{"step_changed_midway",
                               {{4, 2, 4, 2},
                                {5, -1, 6, 2},
                                {7, 0, 10, 0},  // back to the default: 4 more
                                {6, 3, 10, 3},
                                {11, -1, 13, 3}}}),
    [](const testing::TestParamInfo<GrowthCase>& info) { return info.param.name; });

TEST(ArrayGrowth, FreeExtraTrimsTheRoomToTheSize) {
  PeekArray<int, int> array;
  array.SetSize(5, 100);
  array.FreeExtra();
  EXPECT_EQ(array.MaxSize(), 5);
  EXPECT_EQ(array.GetSize(), 5);
  array.RemoveAt(0, 5);
  array.FreeExtra();
  EXPECT_EQ(array.MaxSize(), 0);
  EXPECT_EQ(array.GetData(), nullptr);
  EXPECT_EQ(array.Add(7), 0);
  EXPECT_EQ(array.MaxSize(), 100);
}

struct EditCase {
  const char* name;
  std::function<void(CountedArray&)> edit;
  std::vector<int> expect;
};

class ArrayEdit : public testing::TestWithParam<EditCase> {};

// Every edit starts from 1..5 with no spare room, so any growth moves the
// elements, and checks that the array holds exactly its elements.
TEST_P(ArrayEdit, ShiftsAndKeepsElementLifetimes) {
  {
    CountedArray array;
    Fill(array, {1, 2, 3, 4, 5});
    array.FreeExtra();
    GetParam().edit(array);
    EXPECT_EQ(Values(array), GetParam().expect);
    EXPECT_EQ(Counted::Live(), array.GetSize());
  }
  EXPECT_EQ(Counted::Live(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ArrayEdit,
    testing::Values(
        EditCase{"insert_at_front", [](CountedArray& a) { a.InsertAt(0, 9); }, {9, 1, 2, 3, 4, 5}},
        EditCase{"insert_run_in_middle",
                 [](CountedArray& a) { a.InsertAt(2, 9, 3); },
                 {1, 2, 9, 9, 9, 3, 4, 5}},
        EditCase{"insert_at_end", [](CountedArray& a) { a.InsertAt(5, 9); }, {1, 2, 3, 4, 5, 9}},
        EditCase{"insert_past_end_pads",
                 [](CountedArray& a) { a.InsertAt(7, 9, 2); },
                 {1, 2, 3, 4, 5, 0, 0, 9, 9}},
        EditCase{"insert_none", [](CountedArray& a) { a.InsertAt(2, 9, 0); }, {1, 2, 3, 4, 5}},
        EditCase{"insert_own_element",
                 [](CountedArray& a) { a.InsertAt(0, a[4], 2); },
                 {5, 5, 1, 2, 3, 4, 5}},
        EditCase{"insert_array_in_middle",
                 [](CountedArray& a) {
                   CountedArray other;
                   Fill(other, {7, 8});
                   a.InsertAt(1, &other);
                 },
                 {1, 7, 8, 2, 3, 4, 5}},
        EditCase{"insert_array_past_end",
                 [](CountedArray& a) {
                   CountedArray other;
                   Fill(other, {7, 8});
                   a.InsertAt(6, &other);
                 },
                 {1, 2, 3, 4, 5, 0, 7, 8}},
        EditCase{"insert_empty_array",
                 [](CountedArray& a) {
                   CountedArray other;
                   a.InsertAt(2, &other);
                 },
                 {1, 2, 3, 4, 5}},
        EditCase{"insert_itself",
                 [](CountedArray& a) { a.InsertAt(2, &a); },
                 {1, 2, 1, 2, 3, 4, 5, 3, 4, 5}},
        EditCase{"remove_first", [](CountedArray& a) { a.RemoveAt(0); }, {2, 3, 4, 5}},
        EditCase{"remove_run", [](CountedArray& a) { a.RemoveAt(1, 3); }, {1, 5}},
        EditCase{"remove_last", [](CountedArray& a) { a.RemoveAt(4); }, {1, 2, 3, 4}},
        EditCase{"remove_everything", [](CountedArray& a) { a.RemoveAt(0, 5); }, {}},
        EditCase{"remove_all", [](CountedArray& a) { a.RemoveAll(); }, {}},
        EditCase{"add_own_element",
                 [](CountedArray& a) { EXPECT_EQ(a.Add(a[0]), 5); },
                 {1, 2, 3, 4, 5, 1}},
        EditCase{"set_at_grow_inside", [](CountedArray& a) { a.SetAtGrow(1, 9); }, {1, 9, 3, 4, 5}},
        EditCase{"set_at_grow_past_end_with_own_element",
                 [](CountedArray& a) { a.SetAtGrow(7, a[2]); },
                 {1, 2, 3, 4, 5, 0, 0, 3}},
        EditCase{"set_at_and_element_at",
                 [](CountedArray& a) {
                   a.SetAt(0, 8);
                   a.ElementAt(1) = 9;
                   a[2] = a.GetAt(4);
                 },
                 {8, 9, 5, 4, 5}},
        EditCase{"append_other",
                 [](CountedArray& a) {
                   CountedArray other;
                   Fill(other, {7, 8});
                   EXPECT_EQ(a.Append(other), 5);
                 },
                 {1, 2, 3, 4, 5, 7, 8}},
        EditCase{"append_itself",
                 [](CountedArray& a) { EXPECT_EQ(a.Append(a), 5); },
                 {1, 2, 3, 4, 5, 1, 2, 3, 4, 5}},
        EditCase{"copy_other",
                 [](CountedArray& a) {
                   CountedArray other;
                   Fill(other, {7, 8});
                   a.Copy(other);
                 },
                 {7, 8}},
        EditCase{"copy_itself", [](CountedArray& a) { a.Copy(a); }, {1, 2, 3, 4, 5}},
        EditCase{"shrink_then_grow_gives_fresh_elements",
                 [](CountedArray& a) {
                   a.SetSize(2);
                   a.SetSize(4);
                 },
                 {1, 2, 0, 0}}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(ArrayElements, StringsSurviveGrowthAndShifts) {
  CArray<std::string, const std::string&> array;
  const std::string longText(100, 'x');  // beyond any small-string buffer
  for (int i = 0; i < 50; ++i) array.Add(longText + std::to_string(i));
  array.InsertAt(10, array[49], 3);
  array.RemoveAt(0, 10);
  ASSERT_EQ(array.GetSize(), 43);
  EXPECT_EQ(array[0], longText + "49");
  EXPECT_EQ(array[2], longText + "49");
  EXPECT_EQ(array[3], longText + "10");
  EXPECT_EQ(array[42], longText + "49");
}

}  // namespace
