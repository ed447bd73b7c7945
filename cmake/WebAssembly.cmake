# Debian's emscripten (em++ 3.1.6): the core and its tests as WebAssembly, run under node.

# The core throws (a user's error, a programming error) and the tests catch: exceptions are
# off in em++ unless asked for, and node runs WebAssembly's own exception instructions.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
# Two temperatures side by side in one instruction (the sweep's two lanes), as SSE2 gives them
# natively: WebAssembly's 128-bit SIMD, in every browser since 2023. It has no fused
# multiply-add, so each lane keeps the bits of a single evaluation.
add_compile_options(-msimd128)
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

# Debian's header-only {fmt} and fast_float, seen through a folder of their own.
include(${CMAKE_CURRENT_LIST_DIR}/HostHeaders.cmake)

# The programs are CommonJS scripts (.js): node takes a .js file for what the nearest
# package.json says, and the repository's own says "module" for the web page's scripts.
file(WRITE ${CMAKE_BINARY_DIR}/package.json "{ \"type\": \"commonjs\" }\n")
