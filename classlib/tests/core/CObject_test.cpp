#include "classlib/core/CObject.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_SERIAL(CCircle)
 public:
  int radius = 7;
};
IMPLEMENT_SERIAL(CCircle, CShape, 2)

class CSquare : public CShape {
  DECLARE_DYNCREATE(CSquare)
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

TEST(RuntimeClass, KindFollowsTheBaseChainOnly) {
  CCircle circle;
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CSquare)));
  CObject* asObject = &circle;
  EXPECT_STREQ(asObject->GetRuntimeClass()->m_lpszClassName, "CCircle");
}

TEST(RuntimeClass, CreatesOnlyDynamicClasses) {
  std::unique_ptr<CObject> made(RUNTIME_CLASS(CCircle)->CreateObject());
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_EQ(static_cast<CCircle*>(made.get())->radius, 7);
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
}

TEST(RuntimeClass, FindsClassesByNameAndKnowsSerializable) {
  EXPECT_EQ(CRuntimeClass::FromName("CSquare"), RUNTIME_CLASS(CSquare));
  EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
  EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
  EXPECT_TRUE(CCircle().IsSerializable());
  EXPECT_FALSE(CSquare().IsSerializable());
  EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_wSchema, 2u);
}

}  // namespace
