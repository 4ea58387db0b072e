// The reader library's entry points, served by a simulated reader with one
// card lying on it.

#include <cstdio>
#include <span>

#include "reader_library_abi.h"
#include "simulated_card.h"

namespace {

// The card lives as long as the process that loaded the library; nothing of
// it is kept anywhere else.
tarnix::SimulatedCard& Card() {
  static tarnix::SimulatedCard card;
  return card;
}

// Any status but 0 tells the caller the call failed.
constexpr int kNoBuffer = -1;

}  // namespace

extern "C" {

int TARNIX_READER_CALL MF_Getsnr(unsigned char /*mode*/, unsigned char /*halt*/, unsigned char* head,
                                 unsigned char* body) {
  if (head == nullptr || body == nullptr) {
    return kNoBuffer;
  }
  const tarnix::SimulatedCard::Bytes& bytes = Card().bytes();
  head[0] = bytes[0];
  for (int i = 0; i < 4; ++i) {
    body[i] = bytes[i + 1];
  }
  return tarnix::SimulatedCard::kDone;
}

int TARNIX_READER_CALL MF_Write(unsigned char /*mode*/, unsigned char /*blocks*/, unsigned char /*address*/,
                                unsigned char* block, unsigned char* scratch) {
  if (block == nullptr || scratch == nullptr) {
    return kNoBuffer;
  }
  return Card().Write(std::span<const unsigned char, 6>(block, 6));
}

int TARNIX_READER_CALL ControlBuzzer(unsigned char /*first*/, unsigned char /*second*/, unsigned char* /*buffer*/) {
  // The terminal bell is the beep a person at the machine hears.
  std::fputs("\a", stderr);
  std::fflush(stderr);
  return tarnix::SimulatedCard::kDone;
}

}  // extern "C"
