# Cross-compiles for 32-bit Windows with MinGW-w64: the updater program only. Its programs cannot
# run on the build machines (their kernel runs 64-bit user code only), so there is no emulator.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_ostrel_triplet i686-w64-mingw32)
set(CMAKE_C_COMPILER ${_ostrel_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_ostrel_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_ostrel_triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_ostrel_triplet})
unset(CMAKE_CROSSCOMPILING_EMULATOR)
