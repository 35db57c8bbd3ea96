# Cross-compiles the 32-bit Windows build: the program players get. 32-bit
# on purpose: the game is a 32-bit program, so we see the same registry view
# (WOW6432Node) and the same file virtualisation as the game does on 64-bit
# Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LOTWARDEN_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
