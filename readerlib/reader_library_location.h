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
};

// Where the program looks: on Windows "MF1.dll" through LoadLibrary's own
// search, which starts in the program's folder; elsewhere "libMF1.so" in the
// program's folder, then through the system's search.
ReaderLibraryLocation DefaultReaderLibraryLocation();

// The paths to try, in order: the file in each folder, then the bare file
// name for the system's search.
std::vector<std::filesystem::path> CandidatePaths(const ReaderLibraryLocation& location);

}  // namespace tarnix
