#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarnix {

// Where the reader library is looked for.
struct ReaderLibraryLocation {
  std::string fileName;
  // Tried in order, before the system's own library search.
  std::vector<std::filesystem::path> folders;
  // Tried in order, after the system's own library search; defaulted, so a
  // location may leave it out.
  std::vector<std::filesystem::path> fallbackFolders = {};
};

// Where the program looks: on Windows "MF1.dll" through LoadLibrary's own
// search, which starts in the program's folder. Elsewhere "libMF1.so" in the
// program's folder, then through the system's search, where a real reader's
// library is installed, and last in the folder of the installation that
// bundles the simulated reader (lib/tarnix beside the program's bin).
ReaderLibraryLocation DefaultReaderLibraryLocation();

// The paths to try, in order: the file in each folder, the bare file name for
// the system's search, then the file in each fallback folder.
std::vector<std::filesystem::path> CandidatePaths(const ReaderLibraryLocation& location);

}  // namespace tarnix
