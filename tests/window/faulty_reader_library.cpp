// A reader library for the window's fault tests: the simulated card, at first
// a WG35 card holding 12345, behind entry points that scribble over every
// byte of each buffer they are handed, leaving only the bytes a caller may
// rely on. The compile definitions give it a fault:
//   FAULTY_READER_FIRST_STATUS=n    its first call, whichever entry point,
//                                   returns n and writes no card
//   FAULTY_READER_WITHOUT_MF_WRITE  it lacks the entry point MF_Write

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "reader_library_abi.h"
#include "simulated_card.h"
#include "write_block.h"

namespace {

using tarnix::SimulatedCard;

constexpr std::size_t kHeadSize = 21;
constexpr std::size_t kBodySize = 257;

SimulatedCard& Card() {
  static SimulatedCard card = [] {
    SimulatedCard first;
    first.Write(std::array<std::uint8_t, 6>{tarnix::kControlWrite, 0x90, 0x00, 0x00, 0x30, 0x39});
    return first;
  }();
  return card;
}

void Scribble(unsigned char* buffer, std::size_t size) { std::fill_n(buffer, size, 0xFF); }

// The status this call fails with, if the library is built to fail it.
std::optional<int> Fault() {
#if defined(FAULTY_READER_FIRST_STATUS)
  static bool failedOnce = false;
  if (!std::exchange(failedOnce, true)) return FAULTY_READER_FIRST_STATUS;
#endif
  return std::nullopt;
}

}  // namespace

extern "C" {

int TARNIX_READER_CALL MF_Getsnr(unsigned char /*mode*/, unsigned char /*halt*/, unsigned char* head,
                                 unsigned char* body) {
  // A failed read leaves the card's bytes too: only the status tells.
  const SimulatedCard::Bytes& card = Card().bytes();
  Scribble(head, kHeadSize);
  Scribble(body, kBodySize);
  head[0] = card[0];
  std::copy_n(card.begin() + 1, 4, body);
  return Fault().value_or(SimulatedCard::kDone);
}

#if !defined(FAULTY_READER_WITHOUT_MF_WRITE)
int TARNIX_READER_CALL MF_Write(unsigned char /*mode*/, unsigned char /*blocks*/, unsigned char /*address*/,
                                unsigned char* block, unsigned char* scratch) {
  std::array<std::uint8_t, 6> received{};
  std::copy_n(block, received.size(), received.begin());
  Scribble(block, kHeadSize);
  Scribble(scratch, kBodySize);
  if (const std::optional<int> status = Fault()) return *status;
  return Card().Write(received);
}
#endif

int TARNIX_READER_CALL ControlBuzzer(unsigned char /*first*/, unsigned char /*second*/, unsigned char* buffer) {
  Scribble(buffer, kBodySize);
  return Fault().value_or(SimulatedCard::kDone);
}

}  // extern "C"
