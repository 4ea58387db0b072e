// The reader binding as a Windows program uses it: MF1.dll bound by name from
// the program's folder, the entry points found by their plain names, the
// byte arguments and both buffers handed over in full, and the errors of a
// missing library or entry point. Runs without GoogleTest, which a cross
// build does not have; ends with "N passed, N failed" and fails when any
// check did.

#include <windows.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bound_reader_library.h"
#include "range_error.h"
#include "reader_library_error.h"
#include "recording_library_view.h"

namespace tarnix {
namespace {

int passed = 0;
int failed = 0;
std::string currentGroup;

void Check(bool ok, const std::string& what) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAILED in %s: %s\n", currentGroup.c_str(), what.c_str());
  }
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Runs one group of checks; an exception it lets out is one more failure.
void Group(const std::string& name, const std::function<void()>& checks) {
  currentGroup = name;
  try {
    checks();
  } catch (const std::exception& error) {
    Check(false, std::string("unexpected exception: ") + error.what());
  }
}

std::filesystem::path ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return std::filesystem::path(path).parent_path();
}

// With Windows' own separators throughout, as the binding's messages name them.
const std::filesystem::path kRecordingLibrary = (ProgramFolder() / RECORDING_READER_LIBRARY).make_preferred();
const std::filesystem::path kIncompleteLibrary = (ProgramFolder() / INCOMPLETE_READER_LIBRARY).make_preferred();

// A buffer of the binding inside a larger block, with guard bytes on both
// sides that the library must leave alone.
constexpr std::uint8_t kGuard = 0xA5;
constexpr std::size_t kGuardSize = 16;

template <typename Buffer>
struct Guarded {
  std::array<std::uint8_t, kGuardSize> before;
  Buffer buffer;
  std::array<std::uint8_t, kGuardSize> after;

  explicit Guarded(std::uint8_t first) {
    before.fill(kGuard);
    after.fill(kGuard);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
      buffer[i] = static_cast<std::uint8_t>(first + i * 7);
    }
  }
  bool GuardsIntact() const {
    for (std::size_t i = 0; i < kGuardSize; ++i) {
      if (before[i] != kGuard || after[i] != kGuard) {
        return false;
      }
    }
    return true;
  }
};
// No padding: the guards lie right against the buffer.
static_assert(sizeof(Guarded<HeadBuffer>) == 2 * kGuardSize + 21);
static_assert(sizeof(Guarded<BodyBuffer>) == 2 * kGuardSize + 257);

// The library saw every byte of the buffer as sent, wrote its complement
// over all of it, and nothing beyond.
template <typename Buffer>
void CheckPassedInFull(const RecordedCall& call, int index, const Buffer& sent, const Guarded<Buffer>& after,
                       const std::string& what) {
  Check(call.bufferSizes[index] == static_cast<int>(sent.size()), what + ": library took the buffer's size");
  bool seen = true;
  bool writtenBack = true;
  for (std::size_t i = 0; i < sent.size(); ++i) {
    seen = seen && call.buffers[index][i] == sent[i];
    writtenBack = writtenBack && after.buffer[i] == static_cast<std::uint8_t>(~sent[i]);
  }
  Check(seen, what + ": library saw every byte sent");
  Check(writtenBack, what + ": caller sees every byte the library wrote");
  Check(after.GuardsIntact(), what + ": guard bytes around the buffer intact");
}

void CheckCall(const RecordedCall& call, const char* entryPoint, const std::vector<std::uint8_t>& bytes,
               int bufferCount) {
  Check(std::string(call.entryPoint) == entryPoint, std::string("entry point called: ") + call.entryPoint);
  Check(std::vector<std::uint8_t>(call.byteArguments, call.byteArguments + call.byteArgumentCount) == bytes,
        std::string(entryPoint) + ": byte arguments in order");
  Check(call.bufferCount == bufferCount, std::string(entryPoint) + ": buffer count");
}

void SimulatedReaderBesideTheProgram() {
  const std::filesystem::path workingFolder = std::filesystem::current_path();
  Check(!std::filesystem::equivalent(workingFolder, ProgramFolder()), "run from a folder not the program's");
  Check(!std::filesystem::exists(workingFolder / "MF1.dll"), "no MF1.dll in the working folder");
  Check(std::filesystem::exists(ProgramFolder() / "MF1.dll"), "MF1.dll beside the program");

  BoundReaderLibrary reader;
  HeadBuffer block{0x04, 0xB0, 0x03, 0xD8, 0x01, 0xC8};
  BodyBuffer scratch{};
  Check(reader.MF_Write(0, 1, 1, block, scratch) == 0, "MF_Write succeeds");

  HeadBuffer head{};
  BodyBuffer body{};
  Check(reader.MF_Getsnr(0, 0, head, body) == 0, "MF_Getsnr succeeds");
  Check(head[0] == 0xB0 && body[0] == 0x03 && body[1] == 0xD8 && body[2] == 0x01 && body[3] == 0xC8,
        "MF_Getsnr returns the bytes written");
  Check(reader.ControlBuzzer(1, 1, body) == 0, "ControlBuzzer succeeds");
}

void ArgumentsAndBuffersReachTheLibrary() {
  const RecordingLibraryView view(kRecordingLibrary);
  view.SetStatus(0);
  BoundReaderLibrary reader(LocationOf(kRecordingLibrary));

  Guarded<HeadBuffer> head(1);
  Guarded<BodyBuffer> body(2);
  const HeadBuffer sentHead = head.buffer;
  const BodyBuffer sentBody = body.buffer;
  Check(reader.MF_Getsnr(0x12, 0x34, head.buffer, body.buffer) == 0, "MF_Getsnr status");
  CheckCall(view.LastCall(), "MF_Getsnr", {0x12, 0x34}, 2);
  CheckPassedInFull(view.LastCall(), 0, sentHead, head, "MF_Getsnr head");
  CheckPassedInFull(view.LastCall(), 1, sentBody, body, "MF_Getsnr body");

  Guarded<HeadBuffer> block(3);
  Guarded<BodyBuffer> scratch(4);
  const HeadBuffer sentBlock = block.buffer;
  const BodyBuffer sentScratch = scratch.buffer;
  Check(reader.MF_Write(0x00, 0x01, 0xFE, block.buffer, scratch.buffer) == 0, "MF_Write status");
  CheckCall(view.LastCall(), "MF_Write", {0x00, 0x01, 0xFE}, 2);
  CheckPassedInFull(view.LastCall(), 0, sentBlock, block, "MF_Write block");
  CheckPassedInFull(view.LastCall(), 1, sentScratch, scratch, "MF_Write scratch");

  Guarded<BodyBuffer> buzzer(5);
  const BodyBuffer sentBuzzer = buzzer.buffer;
  Check(reader.ControlBuzzer(0x01, 0x80, buzzer.buffer) == 0, "ControlBuzzer status");
  CheckCall(view.LastCall(), "ControlBuzzer", {0x01, 0x80}, 1);
  CheckPassedInFull(view.LastCall(), 0, sentBuzzer, buzzer, "ControlBuzzer buffer");
}

void StatusesCrossTheLibraryBoundary() {
  const RecordingLibraryView view(kRecordingLibrary);
  BoundReaderLibrary reader(LocationOf(kRecordingLibrary));
  HeadBuffer head{};
  BodyBuffer body{};
  for (const int status : {0, 1, -1, 32767, -32768}) {
    view.SetStatus(status);
    Check(reader.MF_Getsnr(0, 0, head, body) == status, "MF_Getsnr returns " + std::to_string(status));
    Check(reader.MF_Write(0, 1, 1, head, body) == status, "MF_Write returns " + std::to_string(status));
    Check(reader.ControlBuzzer(1, 1, body) == status, "ControlBuzzer returns " + std::to_string(status));
  }
  for (const int status : {32768, -32769}) {
    view.SetStatus(status);
    bool thrown = false;
    try {
      reader.MF_Write(0, 1, 1, head, body);
    } catch (const RangeError&) {
      thrown = true;
    }
    Check(thrown, "RangeError for status " + std::to_string(status));
  }
  view.SetStatus(0);
}

void MissingLibraryIsNamed() {
  const std::filesystem::path folder = ProgramFolder() / "no_such_folder";
  BoundReaderLibrary reader({"absent_reader.dll", {folder}});
  const std::string message = ErrorOf(reader);
  Check(Contains(message, "The reader library absent_reader.dll could not be loaded."), message);
  Check(Contains(message, (folder / "absent_reader.dll").string()), "names the path looked at: " + message);
}

void LibraryLackingAnEntryPointIsNamed() {
  const RecordingLibraryView view(kIncompleteLibrary);
  BoundReaderLibrary reader(LocationOf(kIncompleteLibrary));
  const std::string message = ErrorOf(reader);
  Check(Contains(message, "has no entry point MF_Write"), message);
  Check(Contains(message, kIncompleteLibrary.string()), "names the library: " + message);

  BodyBuffer body{};
  bool thrown = false;
  try {
    reader.ControlBuzzer(1, 1, body);
  } catch (const ReaderLibraryError&) {
    thrown = true;
  }
  Check(thrown, "a later call still fails to bind");
  Check(view.LastCall().callCount == 0, "nothing of the library was called");
}

}  // namespace
}  // namespace tarnix

int main() {
  using namespace tarnix;
  Group("simulated reader beside the program", SimulatedReaderBesideTheProgram);
  Group("arguments and buffers", ArgumentsAndBuffersReachTheLibrary);
  Group("statuses", StatusesCrossTheLibraryBoundary);
  Group("missing library", MissingLibraryIsNamed);
  Group("missing entry point", LibraryLackingAnEntryPointIsNamed);
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
