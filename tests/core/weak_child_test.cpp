#include "variation/weak_child.h"

#include <gtest/gtest.h>

#include "variation/gene_locks.h"

namespace vermora {
namespace {

TEST(WeakChildTest, EmptyHugeAndUnreadableOffspringAreWeak) {
  ParameterSet fine;
  EXPECT_EQ(WeakChildReason(fine, 1000), "");
  EXPECT_EQ(WeakChildReason(fine, 239), "240 objects");  // the default Wheel of 8 worms of 30
  ParameterSet empty;
  empty.SetText("EdNumber", "0");  // worms of no segments
  EXPECT_EQ(WeakChildReason(empty, 1000), "empty scene");
  ParameterSet bad;
  bad.SetText("EdNumber", "many");
  EXPECT_EQ(WeakChildReason(bad, 1000), "'many' is not a valid floating point value");
}

TEST(WeakChildTest, LocksComeOffByNameOrGroup) {
  GeneLocks locks;
  ASSERT_TRUE(locks.LockName("EdNumber").ok());
  ASSERT_TRUE(locks.LockGroup("camera").ok());
  EXPECT_TRUE(locks.Holds("ednumber"));
  EXPECT_TRUE(locks.Holds("Camera"));
  locks.Unlock("EDNUMBER");
  EXPECT_FALSE(locks.Holds("EdNumber"));
  locks.Unlock("camera");
  EXPECT_TRUE(locks.empty());
}

}  // namespace
}  // namespace vermora
