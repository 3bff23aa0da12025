#include "classlib/core/Collections.h"

#include "classlib/core/TypedPtrCollections.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace collections_test {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
 public:
  explicit CShape(int id = 0) : m_id(id) {}
  int m_id;
};
IMPLEMENT_DYNAMIC(CShape, CObject)

TEST(CollectionClasses, CarryTheirRunTimeRecords) {
  struct {
    CRuntimeClass* pClass;
    const char* name;
    bool serializable;
  } const cases[] = {
      {RUNTIME_CLASS(CByteArray), "CByteArray", true},
      {RUNTIME_CLASS(CWordArray), "CWordArray", true},
      {RUNTIME_CLASS(CDWordArray), "CDWordArray", true},
      {RUNTIME_CLASS(CUIntArray), "CUIntArray", false},
      {RUNTIME_CLASS(CPtrArray), "CPtrArray", false},
      {RUNTIME_CLASS(CObArray), "CObArray", true},
      {RUNTIME_CLASS(CStringArray), "CStringArray", true},
      {RUNTIME_CLASS(CPtrList), "CPtrList", false},
      {RUNTIME_CLASS(CObList), "CObList", true},
      {RUNTIME_CLASS(CStringList), "CStringList", true},
      {RUNTIME_CLASS(CMapPtrToPtr), "CMapPtrToPtr", false},
      {RUNTIME_CLASS(CMapPtrToWord), "CMapPtrToWord", false},
      {RUNTIME_CLASS(CMapWordToPtr), "CMapWordToPtr", false},
      {RUNTIME_CLASS(CMapWordToOb), "CMapWordToOb", true},
      {RUNTIME_CLASS(CMapStringToPtr), "CMapStringToPtr", false},
      {RUNTIME_CLASS(CMapStringToOb), "CMapStringToOb", true},
      {RUNTIME_CLASS(CMapStringToString), "CMapStringToString", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(c.pClass->m_lpszClassName, c.name);
    EXPECT_EQ(CRuntimeClass::FromName(c.name), c.pClass);
    EXPECT_EQ(c.pClass->m_pBaseClass, RUNTIME_CLASS(CObject));
    std::unique_ptr<CObject> made(c.pClass->CreateObject());
    EXPECT_EQ(made != nullptr, c.serializable);
    if (made) {
      EXPECT_EQ(made->GetRuntimeClass(), c.pClass);
      EXPECT_TRUE(made->IsSerializable());
    }
  }
  CPtrList list;
  EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CPtrList)));
  EXPECT_FALSE(list.IsKindOf(RUNTIME_CLASS(CObList)));
}

template <class ARRAY>
class NumberArray : public testing::Test {};

using NumberArrays = testing::Types<CByteArray, CWordArray, CDWordArray, CUIntArray>;
TYPED_TEST_SUITE(NumberArray, NumberArrays);

// Numbers lie packed in GetData, full range, new ones zero.
TYPED_TEST(NumberArray, HoldsTheFullRangePacked) {
  using Number = typename TypeParam::BASE_TYPE;
  const Number top = std::numeric_limits<Number>::max();
  TypeParam array;
  EXPECT_EQ(array.Add(top), 0);
  EXPECT_EQ(array.Add(1), 1);
  array.SetSize(4);
  array.InsertAt(1, static_cast<Number>(top - 1));
  const Number expect[] = {top, static_cast<Number>(top - 1), 1, 0, 0};
  ASSERT_EQ(array.GetSize(), 5);
  EXPECT_EQ(std::memcmp(array.GetData(), expect, sizeof expect), 0);
}

TEST(StringArray, KeepsEightBitStringsThroughEdits) {
  CStringArray array;
  array.Add("\xE0\xE1\xE2");
  array.Add(CString("plain"));
  array.Add("\xFF");
  array.FreeExtra();
  array.Add(array[0]);  // from the block that growing replaces
  array.InsertAt(1, "\x80", 2);
  array.RemoveAt(0);
  array.SetAtGrow(7, array[4]);  // past the end, from the block growing replaces
  const char* const expect[] = {"\x80",         "\x80", "plain", "\xFF",
                                "\xE0\xE1\xE2", "",     "",      "\xE0\xE1\xE2"};
  ASSERT_EQ(array.GetSize(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_STREQ(array[i], expect[i]) << i;
  CStringArray copy;
  copy.Copy(array);
  array.RemoveAll();
  EXPECT_STREQ(copy[4], "\xE0\xE1\xE2");
}

TEST(StringList, FindsByContent) {
  CStringList list(2);
  for (const char* text : {"alpha", "\xE0\xE1", "beta", "\xE0\xE1", "\x60\x61"}) list.AddTail(text);
  CString wanted("\xE0\xE1");
  POSITION first = list.Find(wanted);
  ASSERT_EQ(first, list.FindIndex(1));
  EXPECT_EQ(list.Find("\xE0\xE1", first), list.FindIndex(3));
  EXPECT_EQ(list.Find("\x60\x61"), list.FindIndex(4));  // not the same as E0 E1
  EXPECT_EQ(list.Find("gamma"), nullptr);
  EXPECT_STREQ(list.RemoveHead(), "alpha");
  EXPECT_STREQ(list.GetHead(), "\xE0\xE1");
}

TEST(StringMap, KeepsEightBitKeysApart) {
  // Pairs differ only in the top bit of a byte, or by a byte above 127.
  const char* const keys[] = {"\xE0\xE1", "\x60\x61", "\xF9", "y",           "a\xE0z",
                              "a`z",      "\x80",     "",     "\xFF\xFF\xFF"};
  CMapStringToString map;
  for (const char* key : keys) map.SetAt(key, CString("value of ") + key);
  EXPECT_EQ(map.GetCount(), 9);

  std::map<std::string, std::string> walked;
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    CString key, value;
    map.GetNextAssoc(pos, key, value);
    EXPECT_TRUE(walked.emplace(LPCTSTR(key), LPCTSTR(value)).second);
  }
  ASSERT_EQ(walked.size(), 9u);
  for (const char* key : keys) {
    EXPECT_EQ(walked[key], std::string("value of ") + key);
    CString value;
    ASSERT_TRUE(map.Lookup(CString(key), value)) << key;
    EXPECT_EQ(value, CString("value of ") + key);
  }

  EXPECT_TRUE(map.RemoveKey("\xE0\xE1"));
  CString value("untouched");
  EXPECT_FALSE(map.Lookup("\xE0\xE1", value));
  EXPECT_EQ(value, "untouched");
  EXPECT_TRUE(map.Lookup("\x60\x61", value));
  map["\xF9"] = "changed";
  EXPECT_TRUE(map.Lookup("\xF9", value));
  EXPECT_EQ(value, "changed");
  EXPECT_EQ(map.GetCount(), 8);
}

TEST(TypedPtrArray, HandsOutTheElementType) {
  CShape a(1), b(2), c(3);
  CTypedPtrArray<CObArray, CShape*> shapes;
  EXPECT_EQ(shapes.Add(&a), 0);
  shapes.Add(&b);
  shapes.InsertAt(0, &c);
  shapes.SetAtGrow(4, &a);
  CShape* first = shapes[0];
  EXPECT_EQ(first->m_id, 3);
  shapes.ElementAt(3) = &b;  // writes through
  EXPECT_EQ(shapes.GetAt(3), &b);
  CTypedPtrArray<CObArray, CShape*> more;
  more.Copy(shapes);
  EXPECT_EQ(more.Append(shapes), 5);
  EXPECT_EQ(more[9]->m_id, 1);

  int x = 5;
  CTypedPtrArray<CPtrArray, int*> numbers;
  numbers.Add(&x);
  *numbers[0] += 1;
  EXPECT_EQ(x, 6);
}

TEST(TypedPtrList, HandsOutTheElementType) {
  CShape a(1), b(2), c(3);
  CTypedPtrList<CObList, CShape*> shapes(4);
  shapes.AddTail(&a);
  shapes.AddTail(&b);
  shapes.AddHead(&c);
  std::vector<int> ids;
  for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;)
    ids.push_back(shapes.GetNext(pos)->m_id);
  EXPECT_EQ(ids, (std::vector<int>{3, 1, 2}));
  ids.clear();
  for (POSITION pos = shapes.GetTailPosition(); pos != nullptr;)
    ids.push_back(shapes.GetPrev(pos)->m_id);
  EXPECT_EQ(ids, (std::vector<int>{2, 1, 3}));
  shapes.GetAt(shapes.Find(&a)) = &b;
  EXPECT_EQ(shapes.RemoveHead()->m_id, 3);
  EXPECT_EQ(shapes.RemoveTail()->m_id, 2);
  EXPECT_EQ(shapes.GetHead()->m_id, 2);
  CTypedPtrList<CObList, CShape*> other;
  other.AddTail(&c);
  shapes.AddTail(&other);
  EXPECT_EQ(shapes.GetTail()->m_id, 3);
}

TEST(TypedPtrMap, HandsOutTheValueType) {
  CShape a(1), b(2);
  CTypedPtrMap<CMapStringToOb, CString, CShape*> byName;
  byName.SetAt("\xE0", &a);
  byName["b"] = &b;
  CShape* found = nullptr;
  EXPECT_TRUE(byName.Lookup("\xE0", found));
  EXPECT_EQ(found, &a);
  CString key;
  POSITION pos = byName.GetStartPosition();
  int n = 0;
  while (pos != nullptr) {
    byName.GetNextAssoc(pos, key, found);
    EXPECT_EQ(found, key == "b" ? &b : &a);
    ++n;
  }
  EXPECT_EQ(n, 2);
  EXPECT_TRUE(byName.RemoveKey("b"));
  EXPECT_FALSE(byName.Lookup("b", found));

  CTypedPtrMap<CMapPtrToPtr, CShape*, int*> marks(10);
  int mark = 7;
  marks[&a] = &mark;
  int* pMark = nullptr;
  EXPECT_TRUE(marks.Lookup(&a, pMark));
  EXPECT_EQ(*pMark, 7);
  EXPECT_FALSE(marks.Lookup(&b, pMark));

  CTypedPtrMap<CMapWordToPtr, WORD, CShape*> byCommand;
  byCommand.SetAt(0xE100, &b);
  EXPECT_EQ(byCommand[0xE100], &b);
  EXPECT_TRUE(byCommand.RemoveKey(0xE100));
  EXPECT_TRUE(byCommand.IsEmpty());
}

TEST(PlainMaps, MapPointersWordsAndObjects) {
  CShape a(1), b(2);
  CMapPtrToWord ids;
  ids[&a] = 0xFFFF;
  WORD id = 0;
  EXPECT_TRUE(ids.Lookup(&a, id));
  EXPECT_EQ(id, 0xFFFF);

  CMapWordToOb objects;
  objects.SetAt(3, &a);
  objects.SetAt(3 + (17 << 4), &b);  // the same bucket
  CObject* object = nullptr;
  EXPECT_TRUE(objects.Lookup(3, object));
  EXPECT_EQ(object, &a);
  EXPECT_TRUE(objects.RemoveKey(3));
  EXPECT_TRUE(objects.Lookup(3 + (17 << 4), object));
  EXPECT_EQ(object, &b);

  CMapStringToPtr pointers;
  pointers.SetAt("x", &b);
  void* pointer = nullptr;
  EXPECT_TRUE(pointers.Lookup("x", pointer));
  EXPECT_EQ(pointer, &b);
}

}  // namespace collections_test
