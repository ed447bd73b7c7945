# Under emcmake: Debian's header-only {fmt} and fast_float for the WebAssembly build. Each is
# linked into a folder of the build tree, so the compiler sees those two libraries and none of
# the machine's other headers (its C library's among them), and find_package finds a config
# of ours that makes the targets the native build gets from Debian's own configs.
set(velm_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${velm_host_headers}/include)
foreach(lib fmt fast_float)
  if(NOT EXISTS /usr/include/${lib})
    message(FATAL_ERROR "/usr/include/${lib} is missing: install libfmt-dev and libfast-float-dev")
  endif()
  file(CREATE_LINK /usr/include/${lib} ${velm_host_headers}/include/${lib} SYMBOLIC)
endforeach()

file(WRITE ${velm_host_headers}/fmt/fmtConfig.cmake "
if(NOT TARGET fmt::fmt-header-only)
  add_library(fmt::fmt-header-only INTERFACE IMPORTED)
  set_target_properties(fmt::fmt-header-only PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES ${velm_host_headers}/include
      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${velm_host_headers}/include
      INTERFACE_COMPILE_DEFINITIONS FMT_HEADER_ONLY=1)
endif()
set(fmt_VERSION 9.1.0)
")
file(WRITE ${velm_host_headers}/FastFloat/FastFloatConfig.cmake "
if(NOT TARGET FastFloat::fast_float)
  add_library(FastFloat::fast_float INTERFACE IMPORTED)
  set_target_properties(FastFloat::fast_float PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES ${velm_host_headers}/include
      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${velm_host_headers}/include)
endif()
set(FastFloat_VERSION 3.9.0)
")
# Any version asked for is taken: these are the versions Debian 12 ships.
foreach(pkg fmt:9.1.0 FastFloat:3.9.0)
  string(REPLACE ":" ";" pkg ${pkg})
  list(GET pkg 0 name)
  list(GET pkg 1 version)
  file(WRITE ${velm_host_headers}/${name}/${name}ConfigVersion.cmake
       "set(PACKAGE_VERSION ${version})\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
endforeach()
set(fmt_DIR ${velm_host_headers}/fmt CACHE PATH "" FORCE)
set(FastFloat_DIR ${velm_host_headers}/FastFloat CACHE PATH "" FORCE)
