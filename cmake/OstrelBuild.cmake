# Helpers shared by the sub-projects.

include(${CMAKE_CURRENT_LIST_DIR}/OstrelDebugInfo.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/OstrelDelayLoad.cmake)

# ostrel_program(<target>): a Windows program with a wide entry point
# (wWinMain or wmain), hence -municode. Test programs use gtest's main and skip this.
function(ostrel_program target)
  get_target_property(_type ${target} TYPE)
  if(NOT _type STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "ostrel_program(${target}): not an executable")
  endif()
  get_target_property(_done ${target} OSTREL_PROGRAM)
  if(_done)
    return()
  endif()
  set_target_properties(${target} PROPERTIES OSTREL_PROGRAM TRUE)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-municode>)
  target_link_options(${target} PRIVATE -municode)
endfunction()

# ostrel_includes(<target> [GENERATED]): the target's sources include headers by their path from
# the repository root ("engine/core/cef_string.h"); GENERATED adds the folder of the generated
# "ostrel_config.h". Which folder may include which is checked by the layering test.
function(ostrel_includes target)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if("GENERATED" IN_LIST ARGN)
    target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
  endif()
endfunction()

# ostrel_unity(<target>...): the target's sources are compiled a dozen to a compiler run, which
# parses the headers they share once instead of a dozen times; most of a full build's time
# goes there. -DOSTREL_UNITY_BUILD=OFF compiles each source alone (it also shows a missing
# include that a neighbour's hid).
option(OSTREL_UNITY_BUILD "Compile the larger libraries' sources a dozen at a time" ON)
function(ostrel_unity)
  if(OSTREL_UNITY_BUILD)
    set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 12)
  endif()
endfunction()

# ostrel_sign(<target>): after each link (and the split of its debugging information, which
# ostrel_split_debug_info must have asked for first), the program is signed with Authenticode
# (scripts/sign-file) when OSTREL_SIGNING_CERT names a certificate: a release's programs that are
# carried inside another (the updater) are signed before they are embedded.
set(OSTREL_SIGNING_CERT "" CACHE FILEPATH
    "PEM file with the code-signing certificate and its key (scripts/package --cert); empty: unsigned")
set(OSTREL_SIGNING_TIMESTAMP "" CACHE STRING "RFC 3161 time-stamping service for the signatures")
function(ostrel_sign target)
  if(NOT OSTREL_SIGNING_CERT)
    return()
  endif()
  set(_timestamp)
  if(OSTREL_SIGNING_TIMESTAMP)
    set(_timestamp --timestamp ${OSTREL_SIGNING_TIMESTAMP})
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/sign-file --cert ${OSTREL_SIGNING_CERT} ${_timestamp}
            $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
