#include "bound_reader_library.h"

#include <memory>
#include <string>
#include <utility>

#include "reader_library_error.h"
#include "shared_library.h"

namespace tarnix {

namespace {

// Loads the first candidate that loads. A library found on an earlier path
// hides the later ones, even when it turns out to lack an entry point.
std::unique_ptr<SharedLibrary> LoadReaderLibrary(const ReaderLibraryLocation& location) {
  std::string reasons;
  for (const std::filesystem::path& path : CandidatePaths(location)) {
    std::string reason;
    if (auto library = SharedLibrary::Open(path, reason)) {
      return library;
    }
    reasons += " " + reason + (reason.ends_with('.') ? "" : ".");
  }
  throw ReaderLibraryError("The reader library " + location.fileName + " could not be loaded." + reasons);
}

template <typename FunctionPointer>
FunctionPointer RequireEntryPoint(const SharedLibrary& library, const char* name) {
  const SharedLibrary::Function function = library.Find(name);
  if (function == nullptr) {
    throw ReaderLibraryError("The reader library " + library.path().string() + " has no entry point " + name +
                             ", so it cannot be used as the reader library.");
  }
  return reinterpret_cast<FunctionPointer>(function);
}

}  // namespace

BoundReaderLibrary::BoundReaderLibrary(ReaderLibraryLocation location) : location_(std::move(location)) {}

const BoundReaderLibrary::EntryPoints& BoundReaderLibrary::Bound() {
  if (!entryPoints_) {
    // Every entry point is found before any is kept: a library lacking one is
    // unloaded again and nothing of it is ever called.
    std::unique_ptr<SharedLibrary> library = LoadReaderLibrary(location_);
    const EntryPoints found{
        RequireEntryPoint<MF_GetsnrFunction>(*library, "MF_Getsnr"),
        RequireEntryPoint<MF_WriteFunction>(*library, "MF_Write"),
        RequireEntryPoint<ControlBuzzerFunction>(*library, "ControlBuzzer"),
    };
    // The library may hold state of its own (the card of the simulated
    // reader, a real reader's open port) that must last as long as the
    // process, not as long as this object.
    library->KeepLoaded();
    entryPoints_ = found;
  }
  return *entryPoints_;
}

std::int32_t BoundReaderLibrary::RawGetsnr(std::uint8_t mode, std::uint8_t halt, HeadBuffer& head,
                                           BodyBuffer& body) {
  return Bound().getsnr(mode, halt, head.data(), body.data());
}

std::int32_t BoundReaderLibrary::RawWrite(std::uint8_t mode, std::uint8_t blocks, std::uint8_t address,
                                          HeadBuffer& block, BodyBuffer& scratch) {
  return Bound().write(mode, blocks, address, block.data(), scratch.data());
}

std::int32_t BoundReaderLibrary::RawControlBuzzer(std::uint8_t first, std::uint8_t second, BodyBuffer& buffer) {
  return Bound().controlBuzzer(first, second, buffer.data());
}

}  // namespace tarnix
