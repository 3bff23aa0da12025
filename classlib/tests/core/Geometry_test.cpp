#include "classlib/core/Geometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

// Failures print rectangles and points by their coordinates.
static std::ostream& operator<<(std::ostream& os, const RECT& r) {
  return os << '(' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ')';
}
static void PrintTo(const CRect& r, std::ostream* os) { *os << static_cast<const RECT&>(r); }
static void PrintTo(const CPoint& p, std::ostream* os) { *os << '(' << p.x << ',' << p.y << ')'; }
static void PrintTo(const CSize& s, std::ostream* os) { *os << '[' << s.cx << 'x' << s.cy << ']'; }

namespace {

TEST(CPoint, ConstructsFromValuesStructsAndPackedWords) {
  EXPECT_EQ(CPoint(), CPoint(0, 0));
  POINT pt = {3, -4};
  EXPECT_EQ(CPoint(pt), CPoint(3, -4));
  SIZE size = {5, 6};
  EXPECT_EQ(CPoint(size), CPoint(5, 6));
  // Both words are signed: a position left of or above a window is negative.
  EXPECT_EQ(CPoint((DWORD)0x00020001), CPoint(1, 2));
  EXPECT_EQ(CPoint((DWORD)0xFFFE0003), CPoint(3, -2));
  EXPECT_EQ(CPoint((DWORD)0x8000FFFF), CPoint(-1, -32768));
  EXPECT_EQ(CSize((DWORD)0xFFFE0003), CSize(3, -2));
  EXPECT_EQ(CSize(), CSize(0, 0));
  EXPECT_EQ(CSize(size), CSize(5, 6));
  EXPECT_EQ(CSize(pt), CSize(3, -4));
}

TEST(CPoint, OffsetsAndDifferences) {
  CPoint p(10, 20);
  p.Offset(1, 2);
  EXPECT_EQ(p, CPoint(11, 22));
  p.Offset(CPoint(-1, -2));
  EXPECT_EQ(p, CPoint(10, 20));
  p.Offset(CSize(5, 5));
  EXPECT_EQ(p, CPoint(15, 25));
  p += CSize(1, 1);
  EXPECT_EQ(p, CPoint(16, 26));
  p -= CSize(6, 6);
  EXPECT_EQ(p, CPoint(10, 20));
  p += CPoint(1, 1);
  p -= CPoint(2, 2);
  EXPECT_EQ(p, CPoint(9, 19));
  EXPECT_EQ(p + CSize(1, 1), CPoint(10, 20));
  EXPECT_EQ(p - CSize(9, 9), CPoint(0, 10));
  EXPECT_EQ(p + CPoint(1, 1), CPoint(10, 20));
  EXPECT_EQ(-p, CPoint(-9, -19));
  EXPECT_EQ(p - CPoint(4, 30), CSize(5, -11));
  EXPECT_TRUE(p != CPoint(9, 18));
  EXPECT_FALSE(p != CPoint(9, 19));
}

TEST(CSize, Arithmetic) {
  CSize s(3, 4);
  s += CSize(1, 1);
  EXPECT_EQ(s, CSize(4, 5));
  s -= CSize(2, 3);
  EXPECT_EQ(s, CSize(2, 2));
  EXPECT_EQ(s + CSize(1, 2), CSize(3, 4));
  EXPECT_EQ(s - CSize(1, 2), CSize(1, 0));
  EXPECT_EQ(-s, CSize(-2, -2));
  EXPECT_TRUE(s != CSize(2, 3));
}

TEST(CRect, ConstructsAndMeasures) {
  const RECT raw = {1, 2, 11, 22};
  EXPECT_EQ(CRect(), CRect(0, 0, 0, 0));
  EXPECT_EQ(CRect(raw), CRect(1, 2, 11, 22));
  EXPECT_EQ(CRect(&raw), CRect(1, 2, 11, 22));
  EXPECT_EQ(CRect(CPoint(1, 2), CSize(10, 20)), CRect(1, 2, 11, 22));
  EXPECT_EQ(CRect(CPoint(1, 2), CPoint(11, 22)), CRect(1, 2, 11, 22));
  const CRect r(raw);
  EXPECT_EQ(r.Width(), 10);
  EXPECT_EQ(r.Height(), 20);
  EXPECT_EQ(r.Size(), CSize(10, 20));
  EXPECT_EQ(CRect(5, 5, 1, 2).Size(), CSize(-4, -3));
  EXPECT_EQ(r.CenterPoint(), CPoint(6, 12));
  EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));  // toward zero
  CRect assigned;
  assigned = raw;
  EXPECT_EQ(assigned, r);
}

TEST(CRect, CornersAreViewsIntoTheRectangle) {
  CRect r(1, 2, 3, 4);
  EXPECT_EQ(r.TopLeft(), CPoint(1, 2));
  EXPECT_EQ(r.BottomRight(), CPoint(3, 4));
  r.TopLeft() = CPoint(-1, -2);
  r.BottomRight().Offset(10, 10);
  EXPECT_EQ(r, CRect(-1, -2, 13, 14));
  EXPECT_EQ(&r.TopLeft().x, &r.left);
  EXPECT_EQ(&r.BottomRight().y, &r.bottom);
  const CRect& constant = r;
  EXPECT_EQ(&constant.BottomRight().x, &r.right);
}

TEST(CRect, ConvertsToRectPointers) {
  CRect r(1, 2, 3, 4);
  LPRECT writable = r;
  writable->right = 30;
  const CRect& constant = r;
  LPCRECT readable = constant;
  EXPECT_EQ(readable->right, 30);
  EXPECT_EQ(writable, static_cast<RECT*>(&r));
}

struct EmptyCase {
  RECT rect;
  bool empty, null;
};

TEST(CRect, EmptyMeansNoWidthOrNoHeight) {
  const EmptyCase cases[] = {
      {{0, 0, 0, 0}, true, true},       {{0, 0, 1, 1}, false, false},
      {{5, 5, 5, 10}, true, false},     {{5, 5, 10, 5}, true, false},
      {{10, 0, 5, 10}, true, false},    {{0, 10, 10, 5}, true, false},
      {{-5, -5, -4, -4}, false, false},
  };
  for (const EmptyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rect);
    EXPECT_EQ(CRect(c.rect).IsRectEmpty(), c.empty);
    EXPECT_EQ(CRect(c.rect).IsRectNull(), c.null);
  }
  CRect r(1, 2, 3, 4);
  r.SetRectEmpty();
  EXPECT_TRUE(r.IsRectNull());
}

struct PointInCase {
  RECT rect;
  POINT point;
  bool inside;
};

TEST(CRect, PointsOnTheRightOrBottomEdgeAreOutside) {
  const PointInCase cases[] = {
      {{0, 0, 10, 10}, {0, 0}, true},        {{0, 0, 10, 10}, {9, 9}, true},
      {{0, 0, 10, 10}, {10, 5}, false},      {{0, 0, 10, 10}, {5, 10}, false},
      {{0, 0, 10, 10}, {-1, 5}, false},      {{0, 0, 10, 10}, {5, -1}, false},
      {{5, 5, 5, 10}, {5, 6}, false},        {{10, 10, 0, 0}, {5, 5}, false},
      {{-10, -10, -5, -5}, {-6, -10}, true},
  };
  for (const PointInCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rect << " " << c.point.x << "," << c.point.y);
    EXPECT_EQ(CRect(c.rect).PtInRect(c.point), c.inside);
  }
}

TEST(CRect, EqualityComparesEveryEdge) {
  const CRect r(1, 2, 3, 4);
  CRect copy;
  copy.CopyRect(r);
  EXPECT_TRUE(copy.EqualRect(r));
  EXPECT_TRUE(copy == r);
  EXPECT_FALSE(copy != r);
  const RECT edges[] = {{0, 2, 3, 4}, {1, 0, 3, 4}, {1, 2, 0, 4}, {1, 2, 3, 0}};
  for (const RECT& other : edges) {
    EXPECT_FALSE(r.EqualRect(&other));
    EXPECT_TRUE(r != other);
  }
  EXPECT_FALSE(CRect(0, 0, 0, 0) == CRect(5, 5, 5, 5));  // both empty, still different
}

TEST(CRect, InflatesDeflatesAndOffsets) {
  CRect r(10, 20, 30, 40);
  r.InflateRect(1, 2);
  EXPECT_EQ(r, CRect(9, 18, 31, 42));
  r.DeflateRect(1, 2);
  EXPECT_EQ(r, CRect(10, 20, 30, 40));
  r.InflateRect(CSize(3, 4));
  EXPECT_EQ(r, CRect(7, 16, 33, 44));
  r.DeflateRect(CSize(3, 4));
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(r, CRect(9, 18, 33, 44));
  r.DeflateRect(1, 2, 3, 4);
  EXPECT_EQ(r, CRect(10, 20, 30, 40));
  const RECT sides = {1, 2, 3, 4};
  r.InflateRect(&sides);
  EXPECT_EQ(r, CRect(9, 18, 33, 44));
  r.DeflateRect(&sides);
  EXPECT_EQ(r, CRect(10, 20, 30, 40));
  r.InflateRect(-20, 0);  // past empty: the edges cross
  EXPECT_EQ(r, CRect(30, 20, 10, 40));
  r.OffsetRect(1, -1);
  EXPECT_EQ(r, CRect(31, 19, 11, 39));
  r.OffsetRect(CPoint(-1, 1));
  r.OffsetRect(CSize(2, 2));
  EXPECT_EQ(r, CRect(32, 22, 12, 42));
  r.NormalizeRect();
  EXPECT_EQ(r, CRect(12, 22, 32, 42));
  r.NormalizeRect();
  EXPECT_EQ(r, CRect(12, 22, 32, 42));
  CRect upsideDown(0, 10, 5, 0);
  upsideDown.NormalizeRect();
  EXPECT_EQ(upsideDown, CRect(0, 0, 5, 10));
}

TEST(CRect, OperatorsMatchTheNamedOperations) {
  const CRect r(10, 20, 30, 40);
  const RECT sides = {1, 2, 3, 4};
  EXPECT_EQ(r + CPoint(1, 2), CRect(11, 22, 31, 42));
  EXPECT_EQ(r + CSize(1, 2), CRect(11, 22, 31, 42));
  EXPECT_EQ(r - CPoint(1, 2), CRect(9, 18, 29, 38));
  EXPECT_EQ(r - CSize(1, 2), CRect(9, 18, 29, 38));
  EXPECT_EQ(r + &sides, CRect(9, 18, 33, 44));
  EXPECT_EQ(r - &sides, CRect(11, 22, 27, 36));
  EXPECT_EQ(r & CRect(25, 0, 50, 25), CRect(25, 20, 30, 25));
  EXPECT_EQ(r | CRect(25, 0, 50, 25), CRect(10, 0, 50, 40));
  EXPECT_EQ(r & CRect(30, 20, 50, 40), CRect());
  CRect changed(r);
  changed += CPoint(1, 1);
  changed -= CSize(2, 2);
  EXPECT_EQ(changed, CRect(9, 19, 29, 39));
  changed += &sides;
  changed -= &sides;
  EXPECT_EQ(changed, CRect(9, 19, 29, 39));
  changed &= CRect(0, 0, 20, 20);
  EXPECT_EQ(changed, CRect(9, 19, 20, 20));
  changed |= CRect(0, 0, 1, 1);
  EXPECT_EQ(changed, CRect(0, 0, 20, 20));
  changed &= CRect(50, 50, 60, 60);
  EXPECT_EQ(changed, CRect());
}

struct CombineCase {
  RECT a, b;
  RECT intersection;
  bool intersects;
  RECT bounds;  // UnionRect
  bool unionNonEmpty;
};

TEST(CRect, IntersectAndUnionFollowTheWindowsRules) {
  const CombineCase cases[] = {
      // Overlapping.
      {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, true, {0, 0, 15, 15}, true},
      // One inside the other.
      {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, true, {0, 0, 10, 10}, true},
      // Sharing an edge only: right and bottom lie outside.
      {{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 0, 0, 0}, false, {0, 0, 20, 10}, true},
      {{0, 0, 10, 10}, {0, 10, 10, 20}, {0, 0, 0, 0}, false, {0, 0, 10, 20}, true},
      // Apart.
      {{0, 0, 10, 10}, {20, 20, 30, 30}, {0, 0, 0, 0}, false, {0, 0, 30, 30}, true},
      // An empty rectangle meets nothing and adds nothing, wherever it lies.
      {{0, 0, 10, 10}, {5, 5, 5, 50}, {0, 0, 0, 0}, false, {0, 0, 10, 10}, true},
      {{40, 40, 40, 40}, {0, 0, 10, 10}, {0, 0, 0, 0}, false, {0, 0, 10, 10}, true},
      {{10, 10, 0, 0}, {0, 0, 10, 10}, {0, 0, 0, 0}, false, {0, 0, 10, 10}, true},
      {{1, 1, 1, 5}, {9, 9, 3, 3}, {0, 0, 0, 0}, false, {0, 0, 0, 0}, false},
      // Negative coordinates.
      {{-10, -10, 0, 0}, {-5, -20, 5, -5}, {-5, -10, 0, -5}, true, {-10, -20, 5, 0}, true},
  };
  for (const CombineCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " " << c.b);
    CRect result(99, 99, 99, 99);
    EXPECT_EQ(result.IntersectRect(&c.a, &c.b), c.intersects);
    EXPECT_EQ(result, CRect(c.intersection));
    EXPECT_EQ(result.IntersectRect(&c.b, &c.a), c.intersects);
    EXPECT_EQ(result, CRect(c.intersection));
    result.SetRect(99, 99, 99, 99);
    EXPECT_EQ(result.UnionRect(&c.a, &c.b), c.unionNonEmpty);
    EXPECT_EQ(result, CRect(c.bounds));
    EXPECT_EQ(result.UnionRect(&c.b, &c.a), c.unionNonEmpty);
    EXPECT_EQ(result, CRect(c.bounds));
    // The destination may be a source.
    CRect inPlace(c.a);
    EXPECT_EQ(inPlace.IntersectRect(inPlace, &c.b), c.intersects);
    EXPECT_EQ(inPlace, CRect(c.intersection));
    inPlace = c.b;
    EXPECT_EQ(inPlace.UnionRect(&c.a, inPlace), c.unionNonEmpty);
    EXPECT_EQ(inPlace, CRect(c.bounds));
  }
}

struct SubtractCase {
  RECT from, cut;
  RECT rest;
  bool nonEmpty;
};

TEST(CRect, SubtractShrinksOnlyWhenAWholeSideIsCovered) {
  const SubtractCase cases[] = {
      // A corner overlap leaves the bounding box unchanged.
      {{10, 10, 100, 100}, {50, 50, 150, 150}, {10, 10, 100, 100}, true},
      // Covering the full height from the right edge trims the right side.
      {{10, 10, 100, 100}, {50, 10, 150, 150}, {10, 10, 50, 100}, true},
      {{10, 10, 100, 100}, {0, 0, 40, 200}, {40, 10, 100, 100}, true},
      {{10, 10, 100, 100}, {0, 0, 200, 30}, {10, 30, 100, 100}, true},
      {{10, 10, 100, 100}, {10, 90, 100, 100}, {10, 10, 100, 90}, true},
      // A band through the middle splits the rectangle: the bounding box stays.
      {{10, 10, 100, 100}, {40, 0, 60, 200}, {10, 10, 100, 100}, true},
      // A hole inside, no overlap, an empty cut.
      {{10, 10, 100, 100}, {20, 20, 30, 30}, {10, 10, 100, 100}, true},
      {{10, 10, 100, 100}, {100, 10, 200, 100}, {10, 10, 100, 100}, true},
      {{10, 10, 100, 100}, {0, 0, 0, 0}, {10, 10, 100, 100}, true},
      // Nothing left.
      {{10, 10, 100, 100}, {10, 10, 100, 100}, {0, 0, 0, 0}, false},
      {{10, 10, 100, 100}, {0, 0, 200, 200}, {0, 0, 0, 0}, false},
      {{10, 10, 10, 100}, {0, 0, 5, 5}, {0, 0, 0, 0}, false},
  };
  for (const SubtractCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " - " << c.cut);
    CRect result(99, 99, 99, 99);
    EXPECT_EQ(result.SubtractRect(&c.from, &c.cut), c.nonEmpty);
    EXPECT_EQ(result, CRect(c.rest));
    CRect inPlace(c.from);
    EXPECT_EQ(inPlace.SubtractRect(inPlace, &c.cut), c.nonEmpty);
    EXPECT_EQ(inPlace, CRect(c.rest));
  }
}

#ifdef _WIN32
// The Windows build also holds every rule against user32's own functions,
// over many small rectangles (small coordinates make edges meet often).
TEST(CRect, AgreesWithUser32) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> coordinate(-3, 3);
  auto randomRect = [&] {
    return CRect(coordinate(random), coordinate(random), coordinate(random), coordinate(random));
  };
  for (int i = 0; i < 20000; ++i) {
    const CRect a = randomRect(), b = randomRect();
    const CPoint point(coordinate(random), coordinate(random));
    SCOPED_TRACE(testing::Message() << a << " " << b);
    RECT expected;
    CRect actual;
    BOOL expectedResult = ::IntersectRect(&expected, &a, &b);
    ASSERT_EQ(actual.IntersectRect(&a, &b), expectedResult);
    ASSERT_EQ(actual, CRect(expected));
    expectedResult = ::UnionRect(&expected, &a, &b);
    ASSERT_EQ(actual.UnionRect(&a, &b), expectedResult);
    ASSERT_EQ(actual, CRect(expected));
    expectedResult = ::SubtractRect(&expected, &a, &b);
    ASSERT_EQ(actual.SubtractRect(&a, &b), expectedResult);
    ASSERT_EQ(actual, CRect(expected));
    ASSERT_EQ(a.IsRectEmpty(), ::IsRectEmpty(&a));
    ASSERT_EQ(a.PtInRect(point), ::PtInRect(&a, point));
    ASSERT_EQ(a.EqualRect(&b), ::EqualRect(&a, &b));
  }
}
#endif

}  // namespace
