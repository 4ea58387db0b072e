#include "shared_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tarnix {

#if defined(_WIN32)

namespace {

// The system's text for an error code, e.g. "The specified module could not
// be found (error 126)", without the full stop and line break Windows ends it
// with.
std::string SystemMessage(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : std::string();
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' ||
                              message.back() == '.')) {
    message.pop_back();
  }
  return message + " (error " + std::to_string(error) + ")";
}

}  // namespace

std::unique_ptr<SharedLibrary> SharedLibrary::Open(const std::filesystem::path& path, std::string& failureReason) {
  HMODULE module = LoadLibraryW(path.c_str());
  if (module == nullptr) {
    failureReason = path.string() + ": " + SystemMessage(GetLastError());
    return nullptr;
  }
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(reinterpret_cast<void*>(module), path));
}

SharedLibrary::~SharedLibrary() {
  if (!keptLoaded_) {
    FreeLibrary(static_cast<HMODULE>(handle_));
  }
}

SharedLibrary::Function SharedLibrary::Find(const char* name) const {
  // FARPROC converts to any function pointer type by way of void (*)().
  return reinterpret_cast<Function>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

#else

std::unique_ptr<SharedLibrary> SharedLibrary::Open(const std::filesystem::path& path, std::string& failureReason) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    failureReason = reason != nullptr ? reason : path.string() + ": unknown error";
    return nullptr;
  }
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle, path));
}

SharedLibrary::~SharedLibrary() {
  if (!keptLoaded_) {
    dlclose(handle_);
  }
}

SharedLibrary::Function SharedLibrary::Find(const char* name) const {
  return reinterpret_cast<Function>(dlsym(handle_, name));
}

#endif

}  // namespace tarnix
