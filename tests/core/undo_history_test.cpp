#include "params/undo_history.h"

#include <gtest/gtest.h>

namespace vermora {
namespace {

TEST(UndoHistory, CoalescesOneFieldAndRestoresExactly) {
  ParameterSet set;
  const ParameterSet original = set;
  UndoHistory history;
  std::string name(set.def(0).name);
  for (const char* text : {"1", "12", "123"}) {
    history.Record(set, name);
    ParamValue v;
    v.text = text;
    set.SetValue(0, v);
  }
  EXPECT_EQ(history.UndoSteps(), 1u);
  const ParameterSet edited = set;
  ASSERT_TRUE(history.Undo(set));
  EXPECT_TRUE(set == original);
  ASSERT_TRUE(history.Redo(set));
  EXPECT_TRUE(set == edited);
  EXPECT_FALSE(history.Redo(set));
}

TEST(UndoHistory, KeepsTheLimitAndDropsRedoOnNewEdit) {
  ParameterSet set;
  UndoHistory history(100);
  for (int i = 0; i < 150; ++i) {
    history.Record(set);
    ParamValue v;
    v.text = std::to_string(i);
    set.SetValue(0, v);
  }
  EXPECT_EQ(history.UndoSteps(), 100u);
  history.Undo(set);
  history.Record(set);
  EXPECT_FALSE(history.CanRedo());
}

}  // namespace
}  // namespace vermora
