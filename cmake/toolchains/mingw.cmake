# What both MinGW-w64 cross toolchains share; each toolchain file sets
# TARNIX_MINGW_TARGET (the compiler's target triplet) and includes this.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TARNIX_MINGW_TARGET}-gcc)
set(CMAKE_CXX_COMPILER ${TARNIX_MINGW_TARGET}-g++)
set(CMAKE_RC_COMPILER ${TARNIX_MINGW_TARGET}-windres)

# Headers and libraries come from the MinGW sysroot only, programs from the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TARNIX_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime is linked in, so a program and its DLLs run on
# any Windows (and under Wine) without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
