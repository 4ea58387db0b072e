# 32-bit Windows, the build the program ships as: the vendor's reader
# library is 32-bit.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TARNIX_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# No emulator by default: 32-bit Windows code needs Wine's 32-bit half, which
# the Makefile's windows-check32 sets up and passes in.
