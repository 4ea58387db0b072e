# 64-bit Windows: not shipped, but Wine runs it here, so the binding's tests
# run on every build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TARNIX_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# CTest runs the Windows programs under Wine. Debian keeps wine64 out of PATH
# unless its "wine" wrapper package is installed.
find_program(TARNIX_WINE64 wine64 PATHS /usr/lib/wine)
if(TARNIX_WINE64 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARNIX_WINE64})
endif()
