#pragma once

#include <stdexcept>

namespace tarnix {

// The reader library could not be bound: it could not be loaded, or it lacks
// one of its entry points. The message is a complete sentence for the
// operator. Nothing of the library was called.
class ReaderLibraryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tarnix
