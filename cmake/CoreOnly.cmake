# The core alone (VELM_CORE_ONLY): correlation, engine, convection and the text layer, with
# their tests, where Qt is not installed; natively, or through emcmake as WebAssembly run
# under node. Nothing here looks for Qt, Google Benchmark, Python, pybind11 or mdbtools.

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  # Optimised as the desktop build is (WebAssembly without debug information: it would make
  # every link slow and every file large).
  if(EMSCRIPTEN)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
  else()
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
  endif()
endif()

# As where Qt is not installed, even where it is: a search for Qt that slipped in finds nothing,
# and the build fails where a Qt target is used.
if(NOT CMAKE_DISABLE_FIND_PACKAGE_Qt6)
  set(CMAKE_DISABLE_FIND_PACKAGE_Qt6 ON)
endif()

if(EMSCRIPTEN)
  include(${CMAKE_CURRENT_LIST_DIR}/WebAssembly.cmake)
else()
  find_package(GTest REQUIRED)
  find_package(Eigen3 3.3 QUIET NO_MODULE)  # the fitting tool, where it is installed
endif()
