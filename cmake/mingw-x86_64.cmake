# Cross-compiles the same sources for 64-bit Windows, only to run the Wine
# tests on machines whose kernel runs no 32-bit code (scripts/wine-arch):
# there Wine runs 64-bit programs alone. Never shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LOTWARDEN_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
