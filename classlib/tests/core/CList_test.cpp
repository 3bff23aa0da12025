#include "classlib/core/CList.h"

#include "classlib/tests/core/Counted.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using CountedList = CList<Counted, const Counted&>;

std::vector<int> Forward(const CountedList& list) {
  std::vector<int> values;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    values.push_back(list.GetNext(pos).Value());
  }
  return values;
}

std::vector<int> Backward(const CountedList& list) {
  std::vector<int> values;
  for (POSITION pos = list.GetTailPosition(); pos != nullptr;) {
    values.push_back(list.GetPrev(pos).Value());
  }
  return values;
}

void Fill(CountedList& list, const std::vector<int>& values) {
  for (int value : values) list.AddTail(value);
}

// The list holds exactly values, linked the same way in both directions,
// and nothing else of its elements is alive.
void ExpectHolds(const CountedList& list, std::vector<int> values) {
  EXPECT_EQ(Forward(list), values);
  EXPECT_EQ(list.GetCount(), static_cast<int>(values.size()));
  EXPECT_EQ(list.IsEmpty(), values.empty());
  EXPECT_EQ(Counted::Live(), list.GetCount());
  std::vector<int> reversed(values.rbegin(), values.rend());
  EXPECT_EQ(Backward(list), reversed);
  if (!values.empty()) {
    EXPECT_EQ(list.GetHead().Value(), values.front());
    EXPECT_EQ(list.GetTail().Value(), values.back());
  }
}

struct ListEditCase {
  const char* name;
  std::function<void(CountedList&)> edit;
  std::vector<int> expect;
};

class ListEdit : public testing::TestWithParam<ListEditCase> {};

// Block size 2, so edits cross node blocks and reuse freed nodes.
TEST_P(ListEdit, KeepsLinksAndElementLifetimes) {
  {
    CountedList list(2);
    Fill(list, {1, 2, 3, 4, 5});
    GetParam().edit(list);
    ExpectHolds(list, GetParam().expect);
  }
  EXPECT_EQ(Counted::Live(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ListEdit,
    testing::Values(
        ListEditCase{"add_head", [](CountedList& l) { l.AddHead(Counted(0)); }, {0, 1, 2, 3, 4, 5}},
        ListEditCase{"add_tail_of_own_head",
                     [](CountedList& l) { l.AddTail(l.GetHead()); },
                     {1, 2, 3, 4, 5, 1}},
        ListEditCase{"remove_head",
                     [](CountedList& l) { EXPECT_EQ(l.RemoveHead().Value(), 1); },
                     {2, 3, 4, 5}},
        ListEditCase{"remove_tail",
                     [](CountedList& l) { EXPECT_EQ(l.RemoveTail().Value(), 5); },
                     {1, 2, 3, 4}},
        ListEditCase{"remove_everything_from_both_ends",
                     [](CountedList& l) {
                       while (l.GetCount() > 1) {
                         l.RemoveHead();
                         l.RemoveTail();
                       }
                       l.RemoveHead();
                     },
                     {}},
        ListEditCase{"remove_all_then_reuse",
                     [](CountedList& l) {
                       l.RemoveAll();
                       l.AddTail(7);
                     },
                     {7}},
        ListEditCase{"insert_before_head",
                     [](CountedList& l) { l.InsertBefore(l.GetHeadPosition(), 0); },
                     {0, 1, 2, 3, 4, 5}},
        ListEditCase{"insert_before_middle",
                     [](CountedList& l) { l.InsertBefore(l.FindIndex(2), 9); },
                     {1, 2, 9, 3, 4, 5}},
        ListEditCase{"insert_before_null_is_add_head",
                     [](CountedList& l) { l.InsertBefore(nullptr, 9); },
                     {9, 1, 2, 3, 4, 5}},
        ListEditCase{"insert_after_tail",
                     [](CountedList& l) { l.InsertAfter(l.GetTailPosition(), 6); },
                     {1, 2, 3, 4, 5, 6}},
        ListEditCase{"insert_after_middle",
                     [](CountedList& l) { l.InsertAfter(l.FindIndex(2), 9); },
                     {1, 2, 3, 9, 4, 5}},
        ListEditCase{"insert_after_null_is_add_tail",
                     [](CountedList& l) { l.InsertAfter(nullptr, 9); },
                     {1, 2, 3, 4, 5, 9}},
        ListEditCase{"inserted_position_names_new_node",
                     [](CountedList& l) {
                       POSITION pos = l.InsertAfter(l.GetHeadPosition(), 9);
                       l.SetAt(pos, 8);
                       l.GetAt(l.InsertBefore(pos, 7)) = 6;
                     },
                     {1, 6, 8, 2, 3, 4, 5}},
        ListEditCase{"remove_at_head_middle_tail",
                     [](CountedList& l) {
                       l.RemoveAt(l.FindIndex(2));
                       l.RemoveAt(l.GetHeadPosition());
                       l.RemoveAt(l.GetTailPosition());
                     },
                     {2, 4}},
        ListEditCase{"add_other_list_at_both_ends",
                     [](CountedList& l) {
                       CountedList other;
                       Fill(other, {8, 9});
                       l.AddHead(&other);
                       l.AddTail(&other);
                     },
                     {8, 9, 1, 2, 3, 4, 5, 8, 9}},
        ListEditCase{"add_itself_at_tail",
                     [](CountedList& l) { l.AddTail(&l); },
                     {1, 2, 3, 4, 5, 1, 2, 3, 4, 5}},
        ListEditCase{"add_itself_at_head",
                     [](CountedList& l) { l.AddHead(&l); },
                     {1, 2, 3, 4, 5, 1, 2, 3, 4, 5}}),
    [](const testing::TestParamInfo<ListEditCase>& info) { return info.param.name; });

struct RemovalCase {
  const char* name;
  bool backward;
  std::function<bool(int)> remove;
  std::vector<int> expect;
};

class ListRemovalWhileWalking : public testing::TestWithParam<RemovalCase> {};

// The usual loop: keep the position of the element just stepped past, and
// remove that node once the walk has moved on.
TEST_P(ListRemovalWhileWalking, RemovesThroughTheSavedPosition) {
  const RemovalCase& c = GetParam();
  {
    CountedList list(3);
    Fill(list, {1, 2, 3, 4, 5, 6, 7});
    std::vector<int> visited;
    POSITION pos = c.backward ? list.GetTailPosition() : list.GetHeadPosition();
    while (pos != nullptr) {
      POSITION current = pos;
      int value = (c.backward ? list.GetPrev(pos) : list.GetNext(pos)).Value();
      visited.push_back(value);
      if (c.remove(value)) list.RemoveAt(current);
    }
    EXPECT_EQ(visited.size(), 7u);
    ExpectHolds(list, c.expect);
  }
  EXPECT_EQ(Counted::Live(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, ListRemovalWhileWalking,
    testing::Values(
        RemovalCase{"evens_forward", false, [](int v) { return v % 2 == 0; }, {1, 3, 5, 7}},
        RemovalCase{"odds_backward", true, [](int v) { return v % 2 == 1; }, {2, 4, 6}},
        RemovalCase{"all_forward", false, [](int) { return true; }, {}},
        RemovalCase{"all_backward", true, [](int) { return true; }, {}},
        RemovalCase{"head_only", false, [](int v) { return v == 1; }, {2, 3, 4, 5, 6, 7}},
        RemovalCase{"tail_only", true, [](int v) { return v == 7; }, {1, 2, 3, 4, 5, 6}}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return info.param.name; });

TEST(ListFind, FindsEachMatchAfterTheStartPosition) {
  CountedList list;
  Fill(list, {1, 2, 1, 3, 1});
  std::vector<POSITION> found;
  for (POSITION pos = list.Find(1); pos != nullptr; pos = list.Find(1, pos)) found.push_back(pos);
  EXPECT_EQ(found,
            (std::vector<POSITION>{list.FindIndex(0), list.FindIndex(2), list.FindIndex(4)}));
  EXPECT_EQ(list.Find(3), list.FindIndex(3));
  EXPECT_EQ(list.Find(3, list.FindIndex(3)), nullptr);
  EXPECT_EQ(list.Find(9), nullptr);
  EXPECT_EQ(list.Find(1, list.GetTailPosition()), nullptr);
}

TEST(ListFind, FindIndexIsNullOutOfRange) {
  CountedList list;
  EXPECT_EQ(list.FindIndex(0), nullptr);
  Fill(list, {10, 11, 12});
  struct {
    int nIndex;
    int expect;  // -1: NULL
  } const cases[] = {{-1, -1}, {0, 10}, {1, 11}, {2, 12}, {3, -1}, {100, -1}};
  for (const auto& c : cases) {
    POSITION pos = list.FindIndex(c.nIndex);
    if (c.expect < 0) {
      EXPECT_EQ(pos, nullptr) << c.nIndex;
    } else {
      ASSERT_NE(pos, nullptr) << c.nIndex;
      EXPECT_EQ(list.GetAt(pos).Value(), c.expect);
    }
  }
}

class ListBlocks : public testing::TestWithParam<int> {};

// Many nodes across blocks, freed and reused in a shuffled order.
TEST_P(ListBlocks, ReusesFreedNodesAcrossBlocks) {
  {
    CountedList list(GetParam());
    std::vector<int> expect;
    for (int round = 0; round < 3; ++round) {
      for (int i = 0; i < 100; ++i) list.AddTail(round * 1000 + i);
      // Drop every third element, then add as many at the head.
      POSITION pos = list.GetHeadPosition();
      for (int i = 0; pos != nullptr; ++i) {
        POSITION current = pos;
        list.GetNext(pos);
        if (i % 3 == 0) list.RemoveAt(current);
      }
      for (int i = 0; i < 10; ++i) list.AddHead(-i);
    }
    std::vector<int> values = Forward(list);
    // Rebuild the expectation the simple way.
    std::vector<int> model;
    for (int round = 0; round < 3; ++round) {
      for (int i = 0; i < 100; ++i) model.push_back(round * 1000 + i);
      std::vector<int> kept;
      for (size_t i = 0; i < model.size(); ++i) {
        if (i % 3 != 0) kept.push_back(model[i]);
      }
      model.clear();
      for (int i = 9; i >= 0; --i) model.push_back(-i);
      model.insert(model.end(), kept.begin(), kept.end());
    }
    ExpectHolds(list, model);
    list.RemoveAll();
    ExpectHolds(list, {});
    Fill(list, {1, 2});
    ExpectHolds(list, {1, 2});
  }
  EXPECT_EQ(Counted::Live(), 0);
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, ListBlocks, testing::Values(1, 3, 10, 64));

#ifdef __SANITIZE_ADDRESS__
// A removed node's room stays poisoned until reused, so a stale POSITION is
// caught rather than reading whatever the pool put there.
TEST(ListDeathTest, StalePositionIsReported) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  CList<int, int> list;
  list.AddTail(1);
  POSITION stale = list.AddTail(2);
  list.RemoveAt(stale);
  EXPECT_DEATH(EXPECT_EQ(list.GetAt(stale), 2), "use-after-poison");
}
#endif

}  // namespace
