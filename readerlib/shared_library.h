#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace tarnix {

// A shared library loaded by path, the one place that knows how the system
// loads libraries. Unloaded when destroyed unless kept loaded.
class SharedLibrary {
 public:
  // Any function of the library, to be cast to its real type by the caller.
  using Function = void (*)();

  // Loads the library at path; a path without a folder goes through the
  // system's own library search. On failure returns nullptr and sets
  // failureReason to the system's account of it.
  static std::unique_ptr<SharedLibrary> Open(const std::filesystem::path& path, std::string& failureReason);

  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // The exported function of that name; nullptr when the library has none.
  Function Find(const char* name) const;

  // Leaves the library loaded for the rest of the process.
  void KeepLoaded() { keptLoaded_ = true; }

  const std::filesystem::path& path() const { return path_; }

 private:
  SharedLibrary(void* handle, std::filesystem::path path) : handle_(handle), path_(std::move(path)) {}

  void* handle_;
  std::filesystem::path path_;
  bool keptLoaded_ = false;
};

}  // namespace tarnix
