# Cross toolchain: 64-bit Windows with the MinGW-w64 posix-thread compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KS_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KS_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine through a wrapper that sets up the project's prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec)
