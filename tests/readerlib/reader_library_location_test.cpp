#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "reader_library_location.h"

namespace tarnix {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(ReaderLibraryLocationTest, CandidatesAreTheFoldersThenTheSystemSearchThenTheFallbacks) {
  const struct {
    ReaderLibraryLocation location;
    Paths expected;
  } cases[] = {
      {{"libMF1.so", {}}, {"libMF1.so"}},
      {{"libMF1.so", {"/opt/a", "/opt/b"}}, {"/opt/a/libMF1.so", "/opt/b/libMF1.so", "libMF1.so"}},
      {{"libMF1.so", {}, {"/usr/lib/tarnix"}}, {"libMF1.so", "/usr/lib/tarnix/libMF1.so"}},
      {{"libMF1.so", {"/opt/bin"}, {"/opt/lib/tarnix", "/srv"}},
       {"/opt/bin/libMF1.so", "libMF1.so", "/opt/lib/tarnix/libMF1.so", "/srv/libMF1.so"}},
  };
  for (const auto& [location, expected] : cases) {
    EXPECT_EQ(CandidatePaths(location), expected);
  }
}

#if !defined(_WIN32)
// Beside the program first, then where the system installs libraries, and
// last the simulated reader an installation bundles in its own lib/ folder.
TEST(ReaderLibraryLocationTest, ProgramLooksBesideItselfThenSystemThenInItsInstallation) {
  const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  const std::filesystem::path bundled = (folder / TARNIX_BUNDLED_READER_DIR).lexically_normal();

  EXPECT_EQ(CandidatePaths(DefaultReaderLibraryLocation()),
            (Paths{folder / "libMF1.so", "libMF1.so", bundled / "libMF1.so"}));
  // Out of the program's folder into the installation's lib/<folder>.
  EXPECT_EQ(bundled.parent_path().parent_path(), folder.parent_path());
}
#endif

}  // namespace
}  // namespace tarnix
