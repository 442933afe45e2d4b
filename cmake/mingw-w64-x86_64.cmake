# Cross-compiles for 64-bit Windows with MinGW-w64 and runs the results under Wine.
set(CMAKE_SYSTEM_NAME Windows)
# mingw-w64-i686.cmake (the 32-bit updater) sets its own processor and triplet, then reads this.
if(NOT _ostrel_triplet)
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
  set(_ostrel_triplet x86_64-w64-mingw32)
endif()
# The -posix thread model is the one with std::thread, std::mutex and friends.
set(CMAKE_C_COMPILER ${_ostrel_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_ostrel_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_ostrel_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_ostrel_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CMAKE_CURRENT_LIST_DIR is <repo>/cmake, also while try_compile re-reads this file
# (CMAKE_SOURCE_DIR points into the scratch project then).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
