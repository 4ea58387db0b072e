#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "reader.h"
#include "reader_library_error.h"
#include "reader_library_location.h"
#include "recording_reader_library.h"
#include "shared_library.h"

namespace tarnix {

// Where the binding finds exactly this library file.
inline ReaderLibraryLocation LocationOf(const std::filesystem::path& library) {
  return {library.filename().string(), {library.parent_path()}};
}

// The binding error a first call meets, or a note that it met none.
inline std::string ErrorOf(Reader& reader) {
  HeadBuffer head{};
  BodyBuffer body{};
  try {
    reader.MF_Getsnr(0, 0, head, body);
  } catch (const ReaderLibraryError& error) {
    return error.what();
  }
  return "no ReaderLibraryError";
}

// The test's own view of a recording library the binding has loaded: the
// same file, so the same loaded library and the same record.
class RecordingLibraryView {
 public:
  explicit RecordingLibraryView(const std::filesystem::path& path) {
    std::string reason;
    library_ = SharedLibrary::Open(path, reason);
    if (library_ == nullptr) throw std::runtime_error(reason);
  }

  const RecordedCall& LastCall() const {
    return *reinterpret_cast<LastRecordedCallFunction>(library_->Find(kLastRecordedCallName))();
  }
  void SetStatus(int status) const {
    reinterpret_cast<SetRecordedStatusFunction>(library_->Find(kSetRecordedStatusName))(status);
  }

 private:
  std::unique_ptr<SharedLibrary> library_;
};

}  // namespace tarnix
