#pragma once

#include <type_traits>

// The reader library's three entry points as the library itself declares
// them. The binding takes its function pointer types from these declarations
// and the simulated reader defines them, so the two cannot drift apart.

#if defined(_WIN32)
// The vendor's library uses the callee-cleans convention. On x86-64 it is
// the only convention and the keyword is ignored; on 32-bit x86 calling with
// the wrong one corrupts the stack.
#define TARNIX_READER_CALL __stdcall
#if defined(TARNIX_READER_LIBRARY_EXPORTS)
#define TARNIX_READER_API __declspec(dllexport)
#else
#define TARNIX_READER_API
#endif
#else
#define TARNIX_READER_CALL
#if defined(TARNIX_READER_LIBRARY_EXPORTS)
#define TARNIX_READER_API __attribute__((visibility("default")))
#else
#define TARNIX_READER_API
#endif
#endif

extern "C" {

// Reads the identity of the card on the reader: the format byte into head[0],
// the identity bytes into body[0..3]. head holds 21 bytes, body 257.
TARNIX_READER_API int TARNIX_READER_CALL MF_Getsnr(unsigned char mode, unsigned char halt, unsigned char* head,
                                                   unsigned char* body);

// Writes a block to the card: block[0] is the control byte, block[1..5] the
// card's five bytes. block holds 21 bytes, scratch 257.
TARNIX_READER_API int TARNIX_READER_CALL MF_Write(unsigned char mode, unsigned char blocks, unsigned char address,
                                                  unsigned char* block, unsigned char* scratch);

// Sounds the reader's buzzer. buffer holds 257 bytes.
TARNIX_READER_API int TARNIX_READER_CALL ControlBuzzer(unsigned char first, unsigned char second,
                                                       unsigned char* buffer);

}  // extern "C"

namespace tarnix {

using MF_GetsnrFunction = decltype(&::MF_Getsnr);
using MF_WriteFunction = decltype(&::MF_Write);
using ControlBuzzerFunction = decltype(&::ControlBuzzer);

#if defined(_WIN32)
// Proves the calling convention in a 32-bit build, where __stdcall is part of
// the type.
static_assert(std::is_same_v<MF_GetsnrFunction,
                             int(__stdcall*)(unsigned char, unsigned char, unsigned char*, unsigned char*)>);
static_assert(std::is_same_v<MF_WriteFunction, int(__stdcall*)(unsigned char, unsigned char, unsigned char,
                                                               unsigned char*, unsigned char*)>);
static_assert(std::is_same_v<ControlBuzzerFunction, int(__stdcall*)(unsigned char, unsigned char, unsigned char*)>);
#endif

}  // namespace tarnix
