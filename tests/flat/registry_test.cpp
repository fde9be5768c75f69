#include <gtest/gtest.h>

#include "flat/flat_registry.h"

namespace flat {
namespace {

TEST(FlatRegistry, KeysAreTheSignedDecimalTextOfTheHandle) {
  struct Case {
    tk::Handle handle;
    const char* key;
  };
  for (Case c : {Case{0, "0"}, Case{7, "7"}, Case{1234, "1234"}, Case{-42, "-42"}}) {
    EXPECT_EQ(FlatKey(c.handle), c.key);
  }
}

TEST(FlatRegistry, AddsZeroFilledRecordsAndReleasesThemByKey) {
  FlatRegistry registry;
  EXPECT_GE(registry.BucketCount(), FlatRegistry::kBuckets);

  FlatGadget* gadget = registry.Add(17);
  ASSERT_NE(gadget, nullptr);
  EXPECT_EQ(gadget->kind, FlatKind::None);
  EXPECT_EQ(gadget->paint, nullptr);
  EXPECT_EQ(gadget->state, 0);
  EXPECT_EQ(gadget->colors, (std::array<tk::Color, kFlatColorSlots>{}));
  EXPECT_TRUE(gadget->text.empty());
  EXPECT_EQ(registry.Find(17), gadget);
  EXPECT_EQ(registry.Find(-17), nullptr);

  // A held key is never replaced under its control.
  gadget->state = 3;
  EXPECT_EQ(registry.Add(17), nullptr);
  EXPECT_EQ(registry.Find(17)->state, 3);

  EXPECT_TRUE(registry.Remove(17));
  EXPECT_FALSE(registry.Remove(17));
  EXPECT_EQ(registry.Size(), 0u);
  EXPECT_NE(registry.Add(17), nullptr);  // the same handle can be attached afresh
}

}  // namespace
}  // namespace flat
