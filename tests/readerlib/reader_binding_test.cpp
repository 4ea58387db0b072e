#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "bound_reader_library.h"
#include "range_error.h"
#include "reader_library_error.h"
#include "recording_library_view.h"

namespace tarnix {
namespace {

const std::filesystem::path kRecordingLibrary = RECORDING_READER_LIBRARY;
const std::filesystem::path kIncompleteLibrary = INCOMPLETE_READER_LIBRARY;

template <std::size_t size>
std::array<std::uint8_t, size> NumberedBytes(std::uint8_t first) {
  std::array<std::uint8_t, size> bytes{};
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::uint8_t>(first + i * 7);
  }
  return bytes;
}

// The library was called under that name with those byte arguments, in
// order, and handed that many buffers.
void ExpectCall(const RecordedCall& call, const char* entryPoint, const std::vector<std::uint8_t>& bytes,
                int bufferCount) {
  EXPECT_STREQ(call.entryPoint, entryPoint);
  EXPECT_EQ(std::vector<std::uint8_t>(call.byteArguments, call.byteArguments + call.byteArgumentCount), bytes);
  ASSERT_EQ(call.bufferCount, bufferCount);
}

// The library saw every byte of the buffer as the caller filled it, and
// the caller sees every byte the library wrote back (the complement).
template <std::size_t size>
void ExpectPassedInFull(const RecordedCall& call, int index, const std::array<std::uint8_t, size>& sent,
                        const std::array<std::uint8_t, size>& afterCall) {
  ASSERT_EQ(call.bufferSizes[index], static_cast<int>(size));
  for (std::size_t i = 0; i < size; ++i) {
    ASSERT_EQ(call.buffers[index][i], sent[i]) << "byte " << i << " of buffer " << index;
    ASSERT_EQ(afterCall[i], static_cast<std::uint8_t>(~sent[i])) << "byte " << i << " of buffer " << index;
  }
}

class RecordingReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { view.SetStatus(0); }

  RecordingLibraryView view{kRecordingLibrary};
  BoundReaderLibrary reader{LocationOf(kRecordingLibrary)};
  const HeadBuffer sentHead = NumberedBytes<21>(1);
  const BodyBuffer sentBody = NumberedBytes<257>(2);
  HeadBuffer head = sentHead;
  BodyBuffer body = sentBody;
};

TEST_F(RecordingReaderTest, GetsnrPassesItsBytesAndBothBuffersInFull) {
  ASSERT_EQ(reader.MF_Getsnr(0x12, 0x34, head, body), 0);
  ExpectCall(view.LastCall(), "MF_Getsnr", {0x12, 0x34}, 2);
  ExpectPassedInFull(view.LastCall(), 0, sentHead, head);
  ExpectPassedInFull(view.LastCall(), 1, sentBody, body);
}

TEST_F(RecordingReaderTest, WritePassesItsBytesAndBothBuffersInFull) {
  ASSERT_EQ(reader.MF_Write(0x00, 0x01, 0xFE, head, body), 0);
  ExpectCall(view.LastCall(), "MF_Write", {0x00, 0x01, 0xFE}, 2);
  ExpectPassedInFull(view.LastCall(), 0, sentHead, head);
  ExpectPassedInFull(view.LastCall(), 1, sentBody, body);
}

TEST_F(RecordingReaderTest, ControlBuzzerPassesItsBytesAndBufferInFull) {
  ASSERT_EQ(reader.ControlBuzzer(0x01, 0x80, body), 0);
  ExpectCall(view.LastCall(), "ControlBuzzer", {0x01, 0x80}, 1);
  ExpectPassedInFull(view.LastCall(), 0, sentBody, body);
}

TEST_F(RecordingReaderTest, StatusesWithinSixteenBitsComeBackAsTheyAre) {
  for (const int status : {0, 1, -1, 32767, -32768}) {
    view.SetStatus(status);
    HeadBuffer head{};
    BodyBuffer body{};
    EXPECT_EQ(reader.MF_Getsnr(0, 0, head, body), status);
    EXPECT_EQ(reader.MF_Write(0, 1, 1, head, body), status);
    EXPECT_EQ(reader.ControlBuzzer(1, 1, body), status);
  }
}

TEST_F(RecordingReaderTest, StatusesBeyondSixteenBitsThrowRangeErrorNamingCallAndValue) {
  for (const int status : {32768, -32769, 70000, -40000}) {
    view.SetStatus(status);
    HeadBuffer head{};
    BodyBuffer body{};
    const std::string value = std::to_string(status);
    try {
      reader.MF_Write(0, 1, 1, head, body);
      ADD_FAILURE() << "no RangeError for " << status;
    } catch (const RangeError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find("MF_Write"), std::string::npos) << message;
      EXPECT_NE(message.find(value), std::string::npos) << message;
    }
    EXPECT_THROW(reader.MF_Getsnr(0, 0, head, body), RangeError) << status;
    EXPECT_THROW(reader.ControlBuzzer(1, 1, body), RangeError) << status;
  }
}

// A new folder for each run of a test, removed afterwards. Never the same
// path twice in a process: a library loaded from it stays loaded, and the
// system would hand that one out again for the same path.
class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int runs = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() / ("tarnix-" + std::string(test->name()) + "-" +
                                                       std::to_string(::getpid()) + "-" + std::to_string(++runs));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
};

using ReaderLibraryLoadingTest = ScratchFolderTest;

TEST_F(ReaderLibraryLoadingTest, MissingLibraryIsNamedAndBoundOnceItIsThere) {
  // A name of its own: the system's search, tried last, would otherwise find
  // the recording library other tests of this process have loaded.
  const std::string fileName = "late_" + kRecordingLibrary.filename().string();
  BoundReaderLibrary reader({fileName, {folder}});

  const std::string message = ErrorOf(reader);
  EXPECT_NE(message.find("The reader library " + fileName + " could not be loaded."), std::string::npos)
      << message;
  // The system's reason, naming the place looked at.
  EXPECT_NE(message.find((folder / fileName).string()), std::string::npos) << message;

  std::filesystem::copy_file(kRecordingLibrary, folder / fileName);
  HeadBuffer head{};
  BodyBuffer body{};
  EXPECT_EQ(reader.MF_Getsnr(0, 0, head, body), 0);
  EXPECT_EQ(RecordingLibraryView(folder / fileName).LastCall().callCount, 1);
}

// The fallback folders hold the bundled simulated reader: used when nothing
// before them loads, hidden by a library beside the program.
TEST_F(ReaderLibraryLoadingTest, FallbackFolderIsBoundOnlyWhenNothingBeforeItLoads) {
  const std::filesystem::path beside = folder / "bin";
  const std::filesystem::path bundled = folder / "lib";
  std::filesystem::create_directories(beside);
  std::filesystem::create_directories(bundled);
  // Names of their own: the system's search comes before the fallback, and
  // would find a library this process has loaded under the same name.
  const std::string onlyBundled = "bundled_" + kRecordingLibrary.filename().string();
  const std::string inBoth = "both_" + kRecordingLibrary.filename().string();
  std::filesystem::copy_file(kRecordingLibrary, bundled / onlyBundled);
  std::filesystem::copy_file(kRecordingLibrary, bundled / inBoth);
  std::filesystem::copy_file(kRecordingLibrary, beside / inBoth);

  HeadBuffer head{};
  BodyBuffer body{};
  BoundReaderLibrary fromFallback({onlyBundled, {beside}, {bundled}});
  EXPECT_EQ(fromFallback.MF_Getsnr(0, 0, head, body), 0);
  EXPECT_EQ(RecordingLibraryView(bundled / onlyBundled).LastCall().callCount, 1);

  BoundReaderLibrary fromBeside({inBoth, {beside}, {bundled}});
  EXPECT_EQ(fromBeside.MF_Getsnr(0, 0, head, body), 0);
  EXPECT_EQ(RecordingLibraryView(beside / inBoth).LastCall().callCount, 1);
  EXPECT_EQ(RecordingLibraryView(bundled / inBoth).LastCall().callCount, 0);
}

TEST_F(ReaderLibraryLoadingTest, LibraryLackingAnEntryPointIsNamedAndNothingOfItIsCalled) {
  const RecordingLibraryView view(kIncompleteLibrary);
  BoundReaderLibrary reader(LocationOf(kIncompleteLibrary));

  const std::string message = ErrorOf(reader);
  EXPECT_NE(message.find("has no entry point MF_Write"), std::string::npos) << message;
  EXPECT_NE(message.find(kIncompleteLibrary.string()), std::string::npos) << message;

  // Still unbound: every call fails the same way, none reaches the library.
  BodyBuffer body{};
  EXPECT_THROW(reader.ControlBuzzer(1, 1, body), ReaderLibraryError);
  EXPECT_EQ(ErrorOf(reader), message);
  EXPECT_EQ(view.LastCall().callCount, 0);
}

}  // namespace
}  // namespace tarnix
