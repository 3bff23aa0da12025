// A test suite over one grammar compiled for all its tests: the suite class
// derives from GrammarSuite<itself> and says how its grammar is made in a
// public static MakeGrammar(); every test starts with the grammar loaded.
#pragma once

#include <gtest/gtest.h>

#include "lexicon/core/GrammarContext.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace lextest {

template <class Suite>
class GrammarSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { grammar = Suite::MakeGrammar(); }
  static void TearDownTestSuite() {
    delete grammar;
    grammar = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(grammar->loaded); }

  static ModelVerbGrammar* grammar;
};

template <class Suite>
ModelVerbGrammar* GrammarSuite<Suite>::grammar = nullptr;

}  // namespace lextest
