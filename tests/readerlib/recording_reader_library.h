#pragma once

// What the recording reader library tells its tests, looked up by name in the
// loaded library like the entry points themselves.

extern "C" {

struct RecordedCall {
  int callCount;  // calls of any entry point so far
  char entryPoint[16];
  int byteArgumentCount;
  unsigned char byteArguments[3];
  // The buffers as they arrived, in argument order; 21 or 257 bytes each.
  int bufferCount;
  int bufferSizes[2];
  unsigned char buffers[2][257];
};

using LastRecordedCallFunction = const RecordedCall* (*)();
using SetRecordedStatusFunction = void (*)(int status);

}  // extern "C"

inline constexpr const char* kLastRecordedCallName = "RecordingLibrary_LastCall";
inline constexpr const char* kSetRecordedStatusName = "RecordingLibrary_SetStatus";
