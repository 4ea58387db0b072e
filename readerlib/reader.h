#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarnix {

// Buffers of the reader library's calls. Their sizes are part of the calls,
// so they are types: a buffer of the wrong size does not compile.
using HeadBuffer = std::array<std::uint8_t, 21>;   // identity head, write block
using BodyBuffer = std::array<std::uint8_t, 257>;  // identity body, scratch

// Takes a raw status as the signed 16-bit value it is meant to be; a status
// outside -32768..32767 throws RangeError naming the call and the value.
std::int16_t CheckedStatus(std::string_view call, std::int32_t rawStatus);

// The three calls of the reader library, under the library's own names. The
// public calls check the status; implementations supply the raw calls. May
// throw ReaderLibraryError when the library cannot be bound.
class Reader {
 public:
  virtual ~Reader() = default;

  std::int16_t MF_Getsnr(std::uint8_t mode, std::uint8_t halt, HeadBuffer& head, BodyBuffer& body) {
    return CheckedStatus("MF_Getsnr", RawGetsnr(mode, halt, head, body));
  }
  std::int16_t MF_Write(std::uint8_t mode, std::uint8_t blocks, std::uint8_t address, HeadBuffer& block,
                        BodyBuffer& scratch) {
    return CheckedStatus("MF_Write", RawWrite(mode, blocks, address, block, scratch));
  }
  std::int16_t ControlBuzzer(std::uint8_t first, std::uint8_t second, BodyBuffer& buffer) {
    return CheckedStatus("ControlBuzzer", RawControlBuzzer(first, second, buffer));
  }

 protected:
  virtual std::int32_t RawGetsnr(std::uint8_t mode, std::uint8_t halt, HeadBuffer& head, BodyBuffer& body) = 0;
  virtual std::int32_t RawWrite(std::uint8_t mode, std::uint8_t blocks, std::uint8_t address, HeadBuffer& block,
                                BodyBuffer& scratch) = 0;
  virtual std::int32_t RawControlBuzzer(std::uint8_t first, std::uint8_t second, BodyBuffer& buffer) = 0;
};

}  // namespace tarnix
