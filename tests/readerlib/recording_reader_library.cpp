// A reader library that records what it is handed. Each entry point copies
// its byte arguments and its buffers in full, then overwrites every byte of
// each buffer with its complement, so a test sees that the whole buffer went
// in and came back. Returns the status last set.

#include <cstring>
#include <initializer_list>

#include "reader_library_abi.h"
#include "recording_reader_library.h"

#if defined(_WIN32)
#define RECORDING_LIBRARY_API extern "C" __declspec(dllexport)
#else
#define RECORDING_LIBRARY_API extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr int kHeadSize = 21;
constexpr int kBodySize = 257;

RecordedCall lastCall{};
int status = 0;

void Record(const char* entryPoint, std::initializer_list<unsigned char> bytes) {
  ++lastCall.callCount;
  std::strncpy(lastCall.entryPoint, entryPoint, sizeof lastCall.entryPoint - 1);
  lastCall.byteArgumentCount = 0;
  for (unsigned char byte : bytes) {
    lastCall.byteArguments[lastCall.byteArgumentCount++] = byte;
  }
  lastCall.bufferCount = 0;
}

void RecordBuffer(unsigned char* buffer, int size) {
  const int index = lastCall.bufferCount++;
  lastCall.bufferSizes[index] = size;
  std::memcpy(lastCall.buffers[index], buffer, static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) {
    buffer[i] = static_cast<unsigned char>(~buffer[i]);
  }
}

}  // namespace

RECORDING_LIBRARY_API const RecordedCall* RecordingLibrary_LastCall() { return &lastCall; }

RECORDING_LIBRARY_API void RecordingLibrary_SetStatus(int newStatus) { status = newStatus; }

extern "C" {

int TARNIX_READER_CALL MF_Getsnr(unsigned char mode, unsigned char halt, unsigned char* head, unsigned char* body) {
  Record("MF_Getsnr", {mode, halt});
  RecordBuffer(head, kHeadSize);
  RecordBuffer(body, kBodySize);
  return status;
}

// Left out of the library that lacks an entry point.
#if !defined(RECORDING_LIBRARY_WITHOUT_MF_WRITE)
int TARNIX_READER_CALL MF_Write(unsigned char mode, unsigned char blocks, unsigned char address,
                                unsigned char* block, unsigned char* scratch) {
  Record("MF_Write", {mode, blocks, address});
  RecordBuffer(block, kHeadSize);
  RecordBuffer(scratch, kBodySize);
  return status;
}
#endif

int TARNIX_READER_CALL ControlBuzzer(unsigned char first, unsigned char second, unsigned char* buffer) {
  Record("ControlBuzzer", {first, second});
  RecordBuffer(buffer, kBodySize);
  return status;
}

}  // extern "C"
