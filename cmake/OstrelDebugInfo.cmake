# Shipped binaries carry no debugging sections: DWARF is nine tenths of our programs' size, which
# every start, install and upgrade download pays for. The debugging information goes to a file of
# its own beside the build, and the binary keeps a link to it (name and checksum) for debuggers.
#
# In a project: include(cmake/OstrelDebugInfo.cmake), then ostrel_split_debug_info(<target>) after
# linking the target; its information lands in build/debug/<target>/<file name>.debug.
#
# On a file (a packaging script), as a CMake script:
#   cmake -DOBJCOPY=x86_64-w64-mingw32-objcopy -DBINARY=OstrelMini.exe \
#         -DDEBUG_FILE=symbols/OstrelMini.exe.debug -P cmake/OstrelDebugInfo.cmake
#
# The COFF symbol table goes too (--strip-all): Windows never reads it, it is half of what is left
# of the program, and the debug file keeps a copy for whoever reads a crash address.

if(CMAKE_SCRIPT_MODE_FILE)
  foreach(_required OBJCOPY BINARY DEBUG_FILE)
    if(NOT ${_required})
      message(FATAL_ERROR "OstrelDebugInfo.cmake: -D${_required}=... is missing")
    endif()
  endforeach()
  get_filename_component(_dir "${DEBUG_FILE}" DIRECTORY)
  if(_dir)
    file(MAKE_DIRECTORY "${_dir}")
  endif()
  execute_process(COMMAND "${OBJCOPY}" --only-keep-debug "${BINARY}" "${DEBUG_FILE}"
                  COMMAND_ERROR_IS_FATAL ANY)
  # The link is made from the debug file as written, so its checksum matches that file.
  execute_process(COMMAND "${OBJCOPY}" --strip-all "--add-gnu-debuglink=${DEBUG_FILE}" "${BINARY}"
                  COMMAND_ERROR_IS_FATAL ANY)
  return()
endif()

# ostrel_split_debug_info(<target>): after each link of the program or DLL <target>, its
# debugging information moves to build/debug/<target>/.
function(ostrel_split_debug_info target)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "ostrel_split_debug_info(${target}): no objcopy found for the toolchain")
  endif()
  set(_debug_file "${CMAKE_BINARY_DIR}/debug/${target}/$<TARGET_FILE_NAME:${target}>.debug")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DOBJCOPY=${CMAKE_OBJCOPY} -DBINARY=$<TARGET_FILE:${target}>
            -DDEBUG_FILE=${_debug_file} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    VERBATIM)
endfunction()

# ostrel_without_debug_info(): the targets of the calling folder (tests, measurements) are built
# and linked without debugging information. Linking it into the test programs took most of their
# link time (unit_tests.exe: 112 MB, of which 102 MB DWARF); gtest's messages name file and line
# without it. -DOSTREL_TEST_DEBUG_INFO=ON keeps it, for stepping through a test in a debugger.
option(OSTREL_TEST_DEBUG_INFO "Build the tests and measurements with debugging information" OFF)
function(ostrel_without_debug_info)
  if(OSTREL_TEST_DEBUG_INFO)
    return()
  endif()
  # After the build type's -g, so it wins; never handed to windres.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-g0>)
  # The static libraries shared with the program keep theirs: the linker drops it.
  add_link_options(-Wl,--strip-debug)
endfunction()
