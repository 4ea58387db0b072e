#pragma once

#include <optional>

#include "reader.h"
#include "reader_library_abi.h"
#include "reader_library_location.h"

namespace tarnix {

// The reader library bound by name when one of its calls is first made, not
// at start-up. Once bound it stays bound, and loaded, for the rest of the
// process. A call that cannot bind it throws ReaderLibraryError and calls
// nothing; the next call tries again, so a library installed meanwhile is
// found.
class BoundReaderLibrary : public Reader {
 public:
  explicit BoundReaderLibrary(ReaderLibraryLocation location = DefaultReaderLibraryLocation());

 protected:
  std::int32_t RawGetsnr(std::uint8_t mode, std::uint8_t halt, HeadBuffer& head, BodyBuffer& body) override;
  std::int32_t RawWrite(std::uint8_t mode, std::uint8_t blocks, std::uint8_t address, HeadBuffer& block,
                        BodyBuffer& scratch) override;
  std::int32_t RawControlBuzzer(std::uint8_t first, std::uint8_t second, BodyBuffer& buffer) override;

 private:
  struct EntryPoints {
    MF_GetsnrFunction getsnr;
    MF_WriteFunction write;
    ControlBuzzerFunction controlBuzzer;
  };

  const EntryPoints& Bound();

  ReaderLibraryLocation location_;
  std::optional<EntryPoints> entryPoints_;
};

}  // namespace tarnix
