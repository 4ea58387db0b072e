#include "reader_library_location.h"

#include <system_error>

namespace tarnix {

ReaderLibraryLocation DefaultReaderLibraryLocation() {
#if defined(_WIN32)
  return {"MF1.dll", {}};
#else
  ReaderLibraryLocation location{"libMF1.so", {}};
  // Without the program's own path the system's search is all there is.
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path folder = program.parent_path();
    location.folders.push_back(folder);
    location.fallbackFolders.push_back((folder / TARNIX_BUNDLED_READER_DIR).lexically_normal());
  }
  return location;
#endif
}

std::vector<std::filesystem::path> CandidatePaths(const ReaderLibraryLocation& location) {
  std::vector<std::filesystem::path> paths;
  for (const std::filesystem::path& folder : location.folders) {
    paths.push_back(folder / location.fileName);
  }
  paths.emplace_back(location.fileName);
  for (const std::filesystem::path& folder : location.fallbackFolders) {
    paths.push_back(folder / location.fileName);
  }
  return paths;
}

}  // namespace tarnix
