#include "toolkit/core/KWItemIdList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// Counts what it hands out, and fails on request.
class TestAllocator : public KWIdListAllocator {
 public:
  void* Alloc(size_t size) override {
    if (failing) return nullptr;
    void* block = std::malloc(size ? size : 1);
    live.insert(block);
    return block;
  }
  void Free(void* block) override {
    live.erase(block);
    std::free(block);
  }
  ~TestAllocator() override { EXPECT_TRUE(live.empty()); }

  bool failing = false;
  std::set<void*> live;
};

// A list of items whose payloads are the given texts, with a terminator.
Bytes MakeList(std::initializer_list<const char*> payloads) {
  Bytes list;
  for (const char* text : payloads) {
    size_t cb = std::strlen(text) + 2;
    list.push_back(BYTE(cb));
    list.push_back(BYTE(cb >> 8));
    list.insert(list.end(), text, text + std::strlen(text));
  }
  list.insert(list.end(), {0, 0});
  return list;
}

Bytes Taken(TestAllocator& alloc, BYTE* list, size_t size) {
  EXPECT_NE(list, nullptr);
  if (!list) return {};
  Bytes bytes(list, list + size);
  alloc.Free(list);
  return bytes;
}

TEST(KWItemIdList, SizesAndLastItems) {
  struct SizeCase {
    Bytes list;
    size_t size;
    ptrdiff_t last;  // offset of the last item, -1 for none
  };
  const SizeCase cases[] = {
      {MakeList({}), 2, -1},
      {MakeList({"abc"}), 7, 0},
      {MakeList({"abc", "de", "f"}), 14, 9},
      {{3, 0, 'x', 1, 0, 'y', 'z'}, 5, 0},  // a count of 1 ends the walk
      {{4, 0, 'x', 'y', 40, 0, 'z'}, 6, 0},  // an item past the end ends it
      {{3, 0, 'x', 0xFF}, 5, 0},             // no room for a terminator
  };
  for (const SizeCase& c : cases) {
    EXPECT_EQ(KWIdListSize(c.list.data(), c.list.size()), c.size);
    const BYTE* last = KWLastIdItem(c.list.data(), c.list.size());
    EXPECT_EQ(last ? last - c.list.data() : -1, c.last);
  }
  EXPECT_EQ(KWIdListSize(nullptr), 0u);
  EXPECT_EQ(KWLastIdItem(nullptr), nullptr);
  Bytes two = MakeList({"ab", "c"});
  EXPECT_EQ(KWNextIdItem(two.data()), two.data() + 4);
  EXPECT_EQ(KWNextIdItem(two.data() + 7), nullptr);
}

TEST(KWItemIdList, CopiesJoinAndTakeTheFirstItem) {
  TestAllocator alloc;
  const Bytes a = MakeList({"abc", "de"}), b = MakeList({"f"});
  EXPECT_EQ(Taken(alloc, KWCopyIdList(alloc, a.data()), a.size()), a);
  EXPECT_EQ(Taken(alloc, KWConcatIdLists(alloc, a.data(), b.data()), 14),
            MakeList({"abc", "de", "f"}));
  EXPECT_EQ(Taken(alloc, KWConcatIdLists(alloc, nullptr, b.data()), b.size()), b);
  EXPECT_EQ(Taken(alloc, KWCopyFirstIdItem(alloc, MakeList({"ab", "c", "d"}).data()), 6),
            MakeList({"ab"}));
  EXPECT_EQ(Taken(alloc, KWCopyFirstIdItem(alloc, MakeList({}).data()), 2), MakeList({}));
  // A malformed list is copied up to where its walk ends, then terminated.
  const Bytes broken = {3, 0, 'x', 1, 0, 'y'};
  EXPECT_EQ(Taken(alloc, KWCopyIdList(alloc, broken.data(), broken.size()), 5),
            MakeList({"x"}));
  EXPECT_EQ(KWCopyIdList(alloc, nullptr), nullptr);
  EXPECT_EQ(KWConcatIdLists(alloc, a.data(), nullptr), nullptr);
}

TEST(KWItemIdList, FailedAllocationsGiveNone) {
  TestAllocator alloc;
  alloc.failing = true;
  const Bytes a = MakeList({"abc"});
  EXPECT_EQ(KWAllocIdList(alloc, 8), nullptr);
  EXPECT_EQ(KWCopyIdList(alloc, a.data()), nullptr);
  EXPECT_EQ(KWConcatIdLists(alloc, a.data(), a.data()), nullptr);
  EXPECT_EQ(KWCopyFirstIdItem(alloc, a.data()), nullptr);
  alloc.failing = false;
  EXPECT_EQ(Taken(alloc, KWAllocIdList(alloc, 4), 4), Bytes(4, 0));
}

TEST(KWItemIdList, ParentCutKeepsAOneItemList) {
  Bytes three = MakeList({"ab", "c", "d"});
  KWCutLastIdItem(three.data(), three.size());
  EXPECT_EQ(KWIdListSize(three.data()), 9u);
  EXPECT_EQ(Bytes(three.begin(), three.begin() + 9), MakeList({"ab", "c"}));
  Bytes one = MakeList({"ab"});
  EXPECT_EQ(KWCutLastIdItem(one.data(), one.size()), one.data());
  EXPECT_EQ(one, MakeList({"ab"}));
  EXPECT_EQ(KWCutLastIdItem(nullptr), nullptr);
}

TEST(KWItemIdList, OffsetTextsStayInsideTheItemAndAreTerminated) {
  struct TextCase {
    Bytes item;
    UINT offset;
    size_t outSize;
    bool found;
    const char* text;
  };
  const TextCase cases[] = {
      {{8, 0, 'h', 'i', 'd', 'e', 0, 'x'}, 2, 260, true, "hide"},
      {{6, 0, 'a', 'b', 'c', 'd', 'e', 'f'}, 2, 260, true, "abcd"},  // unterminated
      {{8, 0, 'h', 'i', 'd', 'e', 0, 'x'}, 2, 3, true, "hi"},        // buffer full
      {{4, 0, 'a', 'b'}, 4, 260, false, ""},                          // past the item
      {{1, 0, 'a', 'b'}, 2, 260, false, ""},                          // no item
  };
  for (const TextCase& c : cases) {
    char out[260];
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(KWIdItemText(c.item.data(), c.offset, out, c.outSize), c.found);
    EXPECT_STREQ(out, c.text);
  }
}

}  // namespace
