# ostrel_delay_load(<target> <dll name> ...): <target> loads these system DLLs when it first
# calls into them instead of at its start. The engine starts every sub-process from the program's
# own file, and a sub-process calls none of them: under Wine each DLL loaded costs its start time
# and a few MiB of private memory (the DLLs are relocated copies), times every sub-process.
#
# For each name a delay-import library lib<name>.a is made from MinGW's import library (same
# exports), in a folder that the target's link searches first, so every -l<name> of the link,
# the toolchain's default libraries included, takes the delayed one. Data exports cannot be
# delayed: only DLLs whose functions alone are used belong here.

function(ostrel_delay_load target)
  if(NOT CMAKE_DLLTOOL OR NOT CMAKE_NM)
    message(FATAL_ERROR "ostrel_delay_load(${target}): dlltool and nm of the toolchain are needed")
  endif()
  set(_dir ${CMAKE_BINARY_DIR}/delay-load)
  set(_libraries)
  foreach(_dll IN LISTS ARGN)
    set(_library ${_dir}/lib/lib${_dll}.a)
    list(APPEND _libraries ${_library})
    if(TARGET ostrel_delay_load_${_dll})
      continue()
    endif()
    find_library(_import_${_dll} NAMES lib${_dll}.a REQUIRED NO_CACHE)
    execute_process(COMMAND ${CMAKE_NM} ${_import_${_dll}} OUTPUT_VARIABLE _symbols
                    COMMAND_ERROR_IS_FATAL ANY)
    # Import libraries name each function's import slot "__imp_<name>".
    string(REGEX MATCHALL "[0-9a-f]+ I __imp_[^\n]+" _imports "${_symbols}")
    list(TRANSFORM _imports REPLACE "^[0-9a-f]+ I __imp_" "  ")
    list(REMOVE_DUPLICATES _imports)
    list(JOIN _imports "\n" _exports)
    string(TOUPPER ${_dll} _upper)
    file(CONFIGURE OUTPUT ${_dir}/${_dll}.def
         CONTENT "LIBRARY ${_upper}.dll\nEXPORTS\n${_exports}\n" @ONLY)
    add_custom_command(OUTPUT ${_library}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}/lib
      COMMAND ${CMAKE_DLLTOOL} --input-def ${_dir}/${_dll}.def --output-delaylib ${_library}
      DEPENDS ${_dir}/${_dll}.def
      VERBATIM)
    add_custom_target(ostrel_delay_load_${_dll} DEPENDS ${_library})
  endforeach()
  foreach(_dll IN LISTS ARGN)
    add_dependencies(${target} ostrel_delay_load_${_dll})
  endforeach()
  target_link_directories(${target} BEFORE PRIVATE ${_dir}/lib)
  # The helper that loads a DLL at its first call.
  target_link_libraries(${target} PRIVATE delayimp)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${_libraries})
endfunction()
