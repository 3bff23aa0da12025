// Handle maps: permanent objects found by their handle, temporary ones made
// on request and deleted (released first) at idle time, one set per thread.
#include <thread>

#include <gtest/gtest.h>

#include "classlib/win/HandleMap.h"

namespace {

struct Wrapper {
  explicit Wrapper(int h) : m_h(h) { ++s_alive; }
  ~Wrapper() {
    --s_alive;
    if (m_h != 0) ++s_deletedBound;  // would have closed its handle
  }
  int m_h;
  static int s_alive;
  static int s_deletedBound;
};
int Wrapper::s_alive = 0;
int Wrapper::s_deletedBound = 0;

CHandleMap<Wrapper, int>& Map() {
  return AfxHandleMap<Wrapper, int>([](int h) { return new Wrapper(h); },
                                    [](Wrapper* p) { p->m_h = 0; });
}

class HandleMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CHandleMapBase::DeleteAllTemp();
    Wrapper::s_alive = 0;
    Wrapper::s_deletedBound = 0;
  }
};

TEST_F(HandleMapTest, ATemporaryObjectLastsUntilIdleTimeAndLeavesItsHandle) {
  Wrapper* pTemp = Map().FromHandle(5);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(5, pTemp->m_h);
  EXPECT_EQ(pTemp, Map().FromHandle(5));
  EXPECT_EQ(nullptr, Map().LookupPermanent(5));
  EXPECT_EQ(1, Wrapper::s_alive);

  CHandleMapBase::DeleteAllTemp();
  EXPECT_EQ(0, Wrapper::s_alive);
  EXPECT_EQ(0, Wrapper::s_deletedBound) << "released before it was deleted";
  EXPECT_EQ(nullptr, Map().LookupTemporary(5));
}

TEST_F(HandleMapTest, APermanentObjectIsFoundAndSurvivesIdleTime) {
  Wrapper permanent(9);
  Map().SetPermanent(9, &permanent);
  EXPECT_EQ(&permanent, Map().FromHandle(9));
  CHandleMapBase::DeleteAllTemp();
  EXPECT_EQ(&permanent, Map().LookupPermanent(9));
  Map().RemovePermanent(9);
  EXPECT_EQ(nullptr, Map().LookupPermanent(9));
  permanent.m_h = 0;
}

TEST_F(HandleMapTest, ANullHandleHasNoObject) { EXPECT_EQ(nullptr, Map().FromHandle(0)); }

TEST_F(HandleMapTest, EachThreadHasItsOwnMap) {
  Wrapper permanent(3);
  Map().SetPermanent(3, &permanent);
  Wrapper* pOther = nullptr;
  std::thread([&] {
    pOther = Map().FromHandle(3);
    EXPECT_EQ(nullptr, Map().LookupPermanent(3));
    // The thread's idle time clears its own temporary objects only.
    CHandleMapBase::DeleteAllTemp();
  }).join();
  EXPECT_NE(&permanent, pOther);
  EXPECT_EQ(1, Wrapper::s_alive) << "only the permanent one is left";
  Map().RemovePermanent(3);
  permanent.m_h = 0;
}

}  // namespace
