#include <gtest/gtest.h>

#include "number_advance.h"

namespace tarnix {
namespace {

struct AdvanceCase {
  FormatIndex format;
  double kept;
  EntryText next;
};

TEST(AdvanceNumber, StepsTheCardNumberAndWrapsToOne) {
  const AdvanceCase cases[] = {
      {0, 65534, {EntryId::txtIDB1B0, "65535"}},
      {0, 65535, {EntryId::txtIDB1B0, "00001"}},
      {0, 0, {EntryId::txtIDB1B0, "00001"}},
      {11, 524287, {EntryId::txtIDWG372, "000001"}},
      {11, 41, {EntryId::txtIDWG372, "000042"}},
      {1, 33554430, {EntryId::txtIDWG27, "33554431"}},
      {1, 33554431, {EntryId::txtIDWG27, "00000001"}},
      {1, 12345, {EntryId::txtIDWG27, "00012346"}},
      {8, 4294967295, {EntryId::txtIDWG34, "0000000001"}},
      {10, 9, {EntryId::txtIDWG36, "00000000010"}},
      {2, 100000000, {EntryId::txtIDWG28, "00000001"}},
      // The unrounded kept value carries its fraction along.
      {1, 123.25, {EntryId::txtIDWG27, "00124.25"}},
  };
  for (const AdvanceCase& c : cases) EXPECT_EQ(AdvanceNumber(c.format, c.kept), c.next) << c.kept;
}

}  // namespace
}  // namespace tarnix
