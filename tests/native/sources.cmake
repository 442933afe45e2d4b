# The program's files that need no Windows API: the native sanitizer tests (tests/native) and the
# fuzz targets (tests/fuzz) build them. A file joins with one line here.
set(OSTREL_NATIVE_SOURCES
  base/date_time.cpp
  base/text.cpp
  browser/preference_texts.cpp
  browser/zoom_table.cpp
  engine/support/text_functions.cpp
  forms/browser_texts.cpp
  forms/command_texts.cpp
  upgrade/controller/ul_download_texts.cpp
  upgrade/controller/ul_info_file.cpp
  upgrade/controller/ul_info_signature.cpp
  upgrade/controller/ul_language.cpp
  upgrade/controller/ul_rollback.cpp
  upgrade/controller/ul_updater_rights.cpp
  upgrade/controller/ul_version.cpp
  upgrade/http/ul_http_text.cpp
  upgrade/http/ul_login.cpp
  upgrade/support/ul_date_time.cpp
  upgrade/support/ul_paths.cpp
  upgrade/support/ul_string_list.cpp
  upgrade/support/ul_text.cpp
  upgrade/updater/updater_rules.cpp
)

# What both projects built for this machine (native tests, fuzz targets) set alike; `build_type`
# when none was asked for.
macro(ostrel_native_defaults build_type)
  set(CMAKE_CXX_STANDARD 20)
  set(CMAKE_CXX_STANDARD_REQUIRED ON)
  set(CMAKE_CXX_EXTENSIONS OFF)
  if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE ${build_type} CACHE STRING "Build type" FORCE)
  endif()
endmacro()
