# Cross-compiles for 32-bit Windows with MinGW-w64: the updater program only.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_ostrel_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
# Its programs cannot run on the build machines (their kernel runs 64-bit user code only).
unset(CMAKE_CROSSCOMPILING_EMULATOR)
