#include <gtest/gtest.h>

#include <filesystem>

#include "bound_reader_library.h"

namespace tarnix {
namespace {

struct CardRead {
  std::int16_t status;
  std::array<std::uint8_t, 5> bytes;  // format byte, identity bytes 0..3
};

CardRead ReadCard(Reader& reader) {
  HeadBuffer head{};
  BodyBuffer body{};
  const std::int16_t status = reader.MF_Getsnr(0, 0, head, body);
  return {status, {head[0], body[0], body[1], body[2], body[3]}};
}

std::int16_t WriteCard(Reader& reader, const std::array<std::uint8_t, 6>& blockBytes) {
  HeadBuffer block{};
  std::copy(blockBytes.begin(), blockBytes.end(), block.begin());
  BodyBuffer scratch{};
  return reader.MF_Write(0, 1, 1, block, scratch);
}

using Bytes = std::array<std::uint8_t, 5>;

// The simulated card lives as long as the process, so its whole life is one
// walk through one test.
TEST(SimulatedReaderTest, CardIsWrittenReadBackAndLockedThroughTheLibraryBesideTheProgram) {
  // Found beside this program, as the window finds it, without any setting.
  ASSERT_TRUE(std::filesystem::exists(CandidatePaths(DefaultReaderLibraryLocation()).front()));
  BoundReaderLibrary reader;

  CardRead read = ReadCard(reader);
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.bytes, (Bytes{0x00, 0x00, 0x00, 0x00, 0x00}));

  EXPECT_EQ(WriteCard(reader, {0x04, 0xB0, 0x03, 0xD8, 0x01, 0xC8}), 0);
  read = ReadCard(reader);
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.bytes, (Bytes{0xB0, 0x03, 0xD8, 0x01, 0xC8}));

  EXPECT_NE(WriteCard(reader, {0x07, 0x10, 0x00, 0x00, 0x00, 0x01}), 0);
  EXPECT_EQ(ReadCard(reader).bytes, (Bytes{0xB0, 0x03, 0xD8, 0x01, 0xC8}));

  EXPECT_EQ(WriteCard(reader, {0x05, 0x90, 0x00, 0x00, 0x30, 0x39}), 0);
  EXPECT_EQ(ReadCard(reader).bytes, (Bytes{0x90, 0x00, 0x00, 0x30, 0x39}));

  EXPECT_NE(WriteCard(reader, {0x04, 0x00, 0x00, 0x05, 0x01, 0x02}), 0);
  EXPECT_NE(WriteCard(reader, {0x05, 0x00, 0x00, 0x05, 0x01, 0x02}), 0);
  read = ReadCard(reader);
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.bytes, (Bytes{0x90, 0x00, 0x00, 0x30, 0x39}));

  BodyBuffer buffer{};
  EXPECT_EQ(reader.ControlBuzzer(1, 1, buffer), 0);
}

}  // namespace
}  // namespace tarnix
