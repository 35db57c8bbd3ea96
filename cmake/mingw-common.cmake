# What both Windows builds share; the toolchain files name the target.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: GoogleTest needs std::mutex, which the win32
# model of this GCC lacks. -static links winpthread in, so no DLL follows.
set(CMAKE_C_COMPILER ${LOTWARDEN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOTWARDEN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${LOTWARDEN_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LOTWARDEN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No MinGW DLLs at run time: the program must start from any folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests of this build run under Wine in the project's private prefix, with
# the loader and the prefix for this build's own architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR env LOTWARDEN_WINE_ARCH=${CMAKE_SYSTEM_PROCESSOR}
    "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
