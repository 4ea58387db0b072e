#include <gtest/gtest.h>

#include "simulated_card.h"

namespace tarnix {
namespace {

using Block = std::array<std::uint8_t, 6>;
using Bytes = SimulatedCard::Bytes;

TEST(SimulatedCardTest, StartsBlankAndUnlocked) {
  const SimulatedCard card;
  EXPECT_EQ(card.bytes(), (Bytes{0, 0, 0, 0, 0}));
  EXPECT_FALSE(card.locked());
}

TEST(SimulatedCardTest, WriteAndWriteAndLockStoreTheFiveBytes) {
  struct Case {
    std::uint8_t control;
    bool locksAfterwards;
  };
  for (const Case& c : {Case{4, false}, Case{5, true}}) {
    SimulatedCard card;
    EXPECT_EQ(card.Write(Block{c.control, 0xB0, 0x03, 0xD8, 0x01, 0xC8}), SimulatedCard::kDone);
    EXPECT_EQ(card.bytes(), (Bytes{0xB0, 0x03, 0xD8, 0x01, 0xC8})) << int{c.control};
    EXPECT_EQ(card.locked(), c.locksAfterwards) << int{c.control};
  }
}

TEST(SimulatedCardTest, OtherControlBytesFailAndChangeNothing) {
  SimulatedCard card;
  ASSERT_EQ(card.Write(Block{4, 0x10, 1, 2, 3, 4}), SimulatedCard::kDone);
  for (const std::uint8_t control : {0x00, 0x03, 0x06, 0x14, 0xFF}) {
    EXPECT_NE(card.Write(Block{control, 0x20, 9, 9, 9, 9}), SimulatedCard::kDone) << int{control};
    EXPECT_EQ(card.bytes(), (Bytes{0x10, 1, 2, 3, 4})) << int{control};
    EXPECT_FALSE(card.locked());
  }
}

TEST(SimulatedCardTest, LockedCardRefusesEveryWrite) {
  SimulatedCard card;
  ASSERT_EQ(card.Write(Block{5, 0x90, 0, 0, 0x30, 0x39}), SimulatedCard::kDone);
  for (const std::uint8_t control : {4, 5, 7}) {
    EXPECT_NE(card.Write(Block{control, 0x00, 0, 5, 1, 2}), SimulatedCard::kDone) << int{control};
    EXPECT_EQ(card.bytes(), (Bytes{0x90, 0, 0, 0x30, 0x39})) << int{control};
    EXPECT_TRUE(card.locked());
  }
}

}  // namespace
}  // namespace tarnix
