#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reader.h"
#include "reader_library_error.h"

namespace tarnix {

// A reader that records every call with its arguments and a copy of the
// buffers as they arrived, and answers from a script. It holds one card:
// a read returns it, a successful write replaces it.
class RecordingReader : public Reader {
 public:
  struct Call {
    std::string name;
    std::vector<int> arguments;                       // the byte arguments, in order
    std::vector<std::vector<std::uint8_t>> buffers;   // copies as received, in order
    std::vector<const std::uint8_t*> bufferAddresses;
  };

  // The script: raw statuses (outside 16 bits to provoke RangeError), and a
  // library that cannot be bound (every call throws ReaderLibraryError).
  std::int32_t getsnrStatus = 0;
  std::int32_t writeStatus = 0;
  std::int32_t buzzerStatus = 0;
  std::optional<std::string> libraryFailure;

  std::uint8_t cardFormatByte = 0;
  std::array<std::uint8_t, 4> cardIdentityBytes{};

  std::vector<Call> calls;

  std::vector<std::string> CallNames() const {
    std::vector<std::string> names;
    for (const Call& call : calls) names.push_back(call.name);
    return names;
  }

 protected:
  std::int32_t RawGetsnr(std::uint8_t mode, std::uint8_t halt, HeadBuffer& head, BodyBuffer& body) override {
    Record("MF_Getsnr", {mode, halt}, head, body);
    if (getsnrStatus == 0) {
      head[0] = cardFormatByte;
      std::copy(cardIdentityBytes.begin(), cardIdentityBytes.end(), body.begin());
    }
    return getsnrStatus;
  }

  std::int32_t RawWrite(std::uint8_t mode, std::uint8_t blocks, std::uint8_t address, HeadBuffer& block,
                        BodyBuffer& scratch) override {
    Record("MF_Write", {mode, blocks, address}, block, scratch);
    if (writeStatus == 0) {
      cardFormatByte = block[1];
      std::copy(block.begin() + 2, block.begin() + 6, cardIdentityBytes.begin());
    }
    return writeStatus;
  }

  std::int32_t RawControlBuzzer(std::uint8_t first, std::uint8_t second, BodyBuffer& buffer) override {
    Record("ControlBuzzer", {first, second}, buffer);
    return buzzerStatus;
  }

 private:
  template <typename... Buffers>
  void Record(std::string name, std::vector<int> arguments, const Buffers&... buffers) {
    if (libraryFailure) throw ReaderLibraryError(*libraryFailure);
    calls.push_back(Call{std::move(name), std::move(arguments),
                         {std::vector<std::uint8_t>(buffers.begin(), buffers.end())...},
                         {buffers.data()...}});
  }
};

}  // namespace tarnix
