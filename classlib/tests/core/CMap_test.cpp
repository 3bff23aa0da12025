#include "classlib/core/CMap.h"

#include "classlib/tests/core/Counted.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using CountedMap = CMap<Counted, const Counted&, Counted, const Counted&>;
using IntMap = CMap<int, int, int, int>;

// Every pair GetNextAssoc hands out, in its order.
template <class MAP, class KEY, class VALUE>
std::vector<std::pair<KEY, VALUE>> Walk(const MAP& map) {
  std::vector<std::pair<KEY, VALUE>> pairs;
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    KEY key;
    VALUE value;
    map.GetNextAssoc(pos, key, value);
    pairs.emplace_back(key, value);
  }
  return pairs;
}

// The map holds exactly the model's pairs: each found by Lookup and handed
// out exactly once by a walk.
void ExpectHolds(const IntMap& map, const std::map<int, int>& model) {
  EXPECT_EQ(map.GetCount(), static_cast<int>(model.size()));
  EXPECT_EQ(map.IsEmpty(), model.empty());
  std::map<int, int> walked;
  for (const auto& [key, value] : Walk<IntMap, int, int>(map)) {
    EXPECT_TRUE(walked.emplace(key, value).second) << "key " << key << " handed out twice";
  }
  EXPECT_EQ(walked, model);
  for (const auto& [key, value] : model) {
    int found = -1;
    ASSERT_TRUE(map.Lookup(key, found)) << key;
    EXPECT_EQ(found, value);
  }
}

TEST(MapLookup, FindsReplacesAndRemovesKeys) {
  IntMap map;
  int value = 42;
  EXPECT_FALSE(map.Lookup(1, value));
  EXPECT_EQ(value, 42);  // untouched when absent
  EXPECT_FALSE(map.RemoveKey(1));
  EXPECT_EQ(map.GetStartPosition(), nullptr);

  map.SetAt(1, 10);
  map.SetAt(1 + (17 << 4), 11);  // the same bucket as 1
  map.SetAt(18, 180);
  map[2] = 20;
  EXPECT_EQ(map[3], 0);  // added, value-initialised
  map.SetAt(1, 100);     // replaces
  ExpectHolds(map, {{1, 100}, {18, 180}, {1 + (17 << 4), 11}, {2, 20}, {3, 0}});

  EXPECT_TRUE(map.RemoveKey(1));
  EXPECT_FALSE(map.RemoveKey(1));
  EXPECT_TRUE(map.RemoveKey(1 + (17 << 4)));
  ExpectHolds(map, {{18, 180}, {2, 20}, {3, 0}});
  map.RemoveAll();
  ExpectHolds(map, {});
  map[5] = 50;
  ExpectHolds(map, {{5, 50}});
}

// A long mixed run of edits against std::map, with a small table (long
// chains) and tiny node blocks.
TEST(MapLookup, AgreesWithAModelThroughManyEdits) {
  IntMap map(3);
  map.InitHashTable(7);
  std::map<int, int> model;
  unsigned seed = 12345;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (int step = 0; step < 5000; ++step) {
    int key = static_cast<int>(next() % 300) - 150;
    switch (next() % 4) {
      case 0:
      case 1:
        map.SetAt(key, step);
        model[key] = step;
        break;
      case 2: EXPECT_EQ(map.RemoveKey(key), model.erase(key) == 1) << key; break;
      case 3: EXPECT_EQ(map[key], model[key]) << key; break;
    }
    if (step % 500 == 0) ExpectHolds(map, model);
  }
  ExpectHolds(map, model);
}

// Buckets in order, and within a bucket the newest pair first.
TEST(MapWalk, VisitsBucketsInOrderNewestFirst) {
  IntMap map;
  map.SetAt(0x10, 1);   // bucket 1
  map.SetAt(0x00, 2);   // bucket 0
  map.SetAt(0x110, 3);  // 0x11 % 17: bucket 0 again
  map.SetAt(0x20, 4);   // bucket 2
  EXPECT_EQ((Walk<IntMap, int, int>(map)),
            (std::vector<std::pair<int, int>>{{0x110, 3}, {0x00, 2}, {0x10, 1}, {0x20, 4}}));
}

TEST(MapWalk, RemovingTheHandedOutPairKeepsTheWalkGoing) {
  struct {
    const char* name;
    int nRemoveEvery;  // remove every n-th pair handed out
  } const cases[] = {{"every", 1}, {"every_other", 2}, {"every_fifth", 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    IntMap map(4);
    std::map<int, int> model;
    for (int i = 0; i < 200; ++i) {
      map[i * 7] = i;
      model[i * 7] = i;
    }
    std::map<int, int> visited;
    int n = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
      int key, value;
      map.GetNextAssoc(pos, key, value);
      EXPECT_TRUE(visited.emplace(key, value).second) << key;
      if (++n % c.nRemoveEvery == 0) {
        EXPECT_TRUE(map.RemoveKey(key));
        model.erase(key);
      }
    }
    EXPECT_EQ(visited.size(), 200u);
    ExpectHolds(map, model);
  }
}

TEST(MapHashTable, ResizingMovesEveryPairOver) {
  IntMap map;
  EXPECT_EQ(map.GetHashTableSize(), 17u);
  std::map<int, int> model;
  for (int i = 0; i < 20000; ++i) {
    map[i * 3 - 5000] = i;
    model[i * 3 - 5000] = i;
  }
  ExpectHolds(map, model);
  for (UINT size : {4099u, 1u, 20011u}) {
    map.InitHashTable(size, FALSE);  // a full map needs its table now anyway
    EXPECT_EQ(map.GetHashTableSize(), size);
    ExpectHolds(map, model);
  }
  for (int i = 0; i < 20000; i += 2) {
    map.RemoveKey(i * 3 - 5000);
    model.erase(i * 3 - 5000);
  }
  ExpectHolds(map, model);
}

TEST(MapHashTable, EmptyMapTakesTheSizeForItsFirstTable) {
  for (BOOL bAllocNow : {TRUE, FALSE}) {
    IntMap map;
    map.InitHashTable(101, bAllocNow);
    EXPECT_EQ(map.GetHashTableSize(), 101u);
    map[1616] = 1;  // 1616 >> 4 == 101: bucket 0 of 101
    map[16] = 2;    // bucket 1
    EXPECT_EQ((Walk<IntMap, int, int>(map)),
              (std::vector<std::pair<int, int>>{{1616, 1}, {16, 2}}));
  }
}

TEST(MapElements, ConstructsAndDestroysKeysAndValues) {
  {
    CountedMap map(2);
    for (int i = 0; i < 50; ++i) map.SetAt(i, i * 10);
    EXPECT_EQ(Counted::Live(), 100);
    map.SetAt(3, 7);  // replaces the value only
    EXPECT_EQ(Counted::Live(), 100);
    for (int i = 0; i < 50; i += 2) EXPECT_TRUE(map.RemoveKey(i));
    EXPECT_EQ(Counted::Live(), 50);
    Counted value = -1;
    EXPECT_TRUE(map.Lookup(3, value));
    EXPECT_EQ(value.Value(), 7);
    EXPECT_FALSE(map.Lookup(4, value));
    map.InitHashTable(31);
    EXPECT_EQ(Counted::Live(), 51);
    EXPECT_EQ(map[5].Value(), 50);
    map.RemoveAll();
    EXPECT_EQ(Counted::Live(), 1);
    map[Counted(9)] = value;
    EXPECT_EQ(Counted::Live(), 3);
  }
  EXPECT_EQ(Counted::Live(), 0);
}

TEST(MapHashKey, StringBytesCountAsSignedChars) {
  EXPECT_EQ(HashKey<LPCSTR>(""), 0u);
  EXPECT_EQ(HashKey<LPCSTR>("ab"), 97u * 33u + 98u);
  EXPECT_EQ(HashKey<LPCSTR>("\xE0"), 0xFFFFFFE0u);
  EXPECT_EQ(HashKey<LPCSTR>("\x01\xFF"), 33u - 1u);
  EXPECT_EQ(HashKey<int>(-16), 0x0FFFFFFFu);  // through 32 bits in every build
  EXPECT_EQ(HashKey<WORD>(0x1234), 0x123u);
}

}  // namespace
