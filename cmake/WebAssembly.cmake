# Debian's emscripten (em++ 3.1.6): the core and its tests as WebAssembly, run under node.

# The core throws (a user's error, a programming error) and the tests catch: exceptions are
# off in em++ unless asked for, and node runs WebAssembly's own exception instructions.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
# Programs for node: the tests read the source tree (reference data, fuzz corpora) through
# node's file system; the .wasm inside the .js, so that any node runs it as it is (a separate
# .wasm makes node 18 and later try to fetch it as a URL); memory that grows for sweeps of
# 100,000 rows.
add_link_options(-sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)
# The tests run under node (ctest puts the emulator before each program). emcmake asks node for
# --experimental-wasm-threads, an option node 16 and later refuse; nothing here uses threads.
list(REMOVE_ITEM CMAKE_CROSSCOMPILING_EMULATOR --experimental-wasm-threads)
# em++ links through its JavaScript optimiser, which needs Debian's acorn: a node that is not
# Debian's (nodesource's, say) finds it only through NODE_PATH.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()

# GoogleTest from Debian's sources (libgtest-dev's library is built for the host).
set(velm_gtest_sources /usr/src/googletest/googletest)
if(NOT EXISTS ${velm_gtest_sources}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are not in ${velm_gtest_sources}: install libgtest-dev")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(CMAKE_DISABLE_FIND_PACKAGE_Python ON)  # wanted only for GoogleTest's own tests
add_subdirectory(${velm_gtest_sources} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
unset(CMAKE_DISABLE_FIND_PACKAGE_Python)
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
endif()

# Header-only libraries of the host ({fmt}, fast_float) as packages find_package finds: em++
# sees their own folders through links in the build tree, never the rest of /usr/include,
# whose C library headers are the host's.
# velm_host_headers(<package> VERSION <v> FOLDER <header folder> TARGETS <t>... [DEFINITIONS <d>...])
function(velm_host_headers package)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "VERSION;FOLDER" "TARGETS;DEFINITIONS")
  if(NOT EXISTS /usr/include/${arg_FOLDER})
    message(FATAL_ERROR "/usr/include/${arg_FOLDER} is missing: install the Debian package of ${package}")
  endif()
  set(include ${CMAKE_BINARY_DIR}/host-headers/${package})
  file(MAKE_DIRECTORY ${include})
  file(CREATE_LINK /usr/include/${arg_FOLDER} ${include}/${arg_FOLDER} SYMBOLIC)
  set(dir ${CMAKE_BINARY_DIR}/host-packages/${package})
  set(config "# Made by cmake/WebAssembly.cmake: ${package}'s headers, and nothing else of the host.\n")
  foreach(target IN LISTS arg_TARGETS)
    string(APPEND config "if(NOT TARGET ${target})\n"
           "  add_library(${target} INTERFACE IMPORTED)\n"
           "  set_target_properties(${target} PROPERTIES\n"
           "    INTERFACE_INCLUDE_DIRECTORIES \"${include}\"\n"
           "    INTERFACE_COMPILE_DEFINITIONS \"${arg_DEFINITIONS}\")\n"
           "endif()\n")
  endforeach()
  file(WRITE ${dir}/${package}Config.cmake "${config}")
  include(CMakePackageConfigHelpers)
  write_basic_package_version_file(${dir}/${package}ConfigVersion.cmake VERSION ${arg_VERSION}
                                   COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
  set(${package}_DIR ${dir} CACHE PATH "${package}'s headers for WebAssembly" FORCE)
endfunction()

# Their versions as the host's packages give them.
if(NOT EXISTS /usr/include/fmt/core.h)
  message(FATAL_ERROR "{fmt}'s headers are missing: install libfmt-dev")
endif()
file(STRINGS /usr/include/fmt/core.h fmt_version REGEX "^#define FMT_VERSION [0-9]+$")
string(REGEX REPLACE ".* ([0-9]+)([0-9][0-9])([0-9][0-9])$" "\\1.\\2.\\3" fmt_version "${fmt_version}")
string(REGEX REPLACE "\\.0([0-9])" ".\\1" fmt_version "${fmt_version}")
velm_host_headers(fmt VERSION ${fmt_version} FOLDER fmt TARGETS fmt::fmt-header-only fmt::fmt
                  DEFINITIONS FMT_HEADER_ONLY=1)
set(fast_float_version /usr/lib/cmake/FastFloat/FastFloatConfigVersion.cmake)
if(EXISTS ${fast_float_version})
  file(STRINGS ${fast_float_version} fast_float_version REGEX "^set\\(PACKAGE_VERSION \"")
  string(REGEX REPLACE ".*\"(.*)\".*" "\\1" fast_float_version "${fast_float_version}")
  velm_host_headers(FastFloat VERSION ${fast_float_version} FOLDER fast_float TARGETS FastFloat::fast_float)
endif()
