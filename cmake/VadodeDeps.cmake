# Third-party libraries. Natively they come from Debian's -dev packages. For
# Windows, zlib is Debian's MinGW package, libpng and libjpeg-turbo are built
# static from Debian's source packages (scripts/build-win-deps) into the build
# tree, and GoogleTest is cross-built from /usr/src/googletest.

if(VD_WINDOWS)
  set(VD_WIN_DEPS ${CMAKE_BINARY_DIR}/deps)
  # Libraries built by another version of the script (other flags) are rebuilt.
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-win-deps vd_deps_id REGEX "^DEPS_ID=")
  string(REGEX REPLACE "^DEPS_ID=\"(.*)\"$" "\\1" vd_deps_id "${vd_deps_id}")
  set(vd_deps_built "")
  if(EXISTS ${VD_WIN_DEPS}/lib/build-win-deps.id)
    file(STRINGS ${VD_WIN_DEPS}/lib/build-win-deps.id vd_deps_built)
  endif()
  if(NOT EXISTS ${VD_WIN_DEPS}/lib/libpng16.a OR NOT EXISTS ${VD_WIN_DEPS}/lib/libjpeg.a
     OR NOT vd_deps_built STREQUAL vd_deps_id)
    message(STATUS "Building libpng and libjpeg-turbo for Windows into ${VD_WIN_DEPS}")
    execute_process(
      COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-win-deps ${VD_WIN_DEPS}
              ${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw32.cmake
      RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "scripts/build-win-deps failed (${rc})")
    endif()
  endif()
  find_library(VD_ZLIB_A NAMES libz.a PATHS /usr/i686-w64-mingw32/lib NO_DEFAULT_PATH REQUIRED)
  add_library(ZLIB::ZLIB STATIC IMPORTED)
  set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_LOCATION ${VD_ZLIB_A}
    INTERFACE_INCLUDE_DIRECTORIES /usr/i686-w64-mingw32/include)
  add_library(PNG::PNG STATIC IMPORTED)
  set_target_properties(PNG::PNG PROPERTIES IMPORTED_LOCATION ${VD_WIN_DEPS}/lib/libpng16.a
    INTERFACE_INCLUDE_DIRECTORIES ${VD_WIN_DEPS}/include INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES IMPORTED_LOCATION ${VD_WIN_DEPS}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${VD_WIN_DEPS}/include)
  if(VD_WIN_BENCH AND NOT VD_HOST_TOOLS_ONLY)
    # Google Benchmark for the Windows build, from Debian's source package.
    if(NOT EXISTS ${VD_WIN_DEPS}/lib/libbenchmark.a)
      execute_process(
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-win-deps ${VD_WIN_DEPS}
                ${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw32.cmake benchmark
        RESULT_VARIABLE rc)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "scripts/build-win-deps benchmark failed (${rc})")
      endif()
    endif()
    add_library(benchmark::benchmark STATIC IMPORTED)
    set_target_properties(benchmark::benchmark PROPERTIES IMPORTED_LOCATION ${VD_WIN_DEPS}/lib/libbenchmark.a
      INTERFACE_INCLUDE_DIRECTORIES ${VD_WIN_DEPS}/include INTERFACE_COMPILE_DEFINITIONS BENCHMARK_STATIC_DEFINE
      INTERFACE_LINK_LIBRARIES shlwapi)
  endif()
  if(VD_TESTS AND NOT VD_HOST_TOOLS_ONLY)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(vd_gtest_main INTERFACE)
    target_link_libraries(vd_gtest_main INTERFACE gtest_main gtest)
  endif()
else()
  find_package(ZLIB REQUIRED)
  find_package(PNG REQUIRED)
  find_package(JPEG REQUIRED)
  find_package(Threads REQUIRED)
  if(VD_TESTS AND NOT VD_HOST_TOOLS_ONLY)
    find_package(GTest REQUIRED)
    add_library(vd_gtest_main INTERFACE)
    target_link_libraries(vd_gtest_main INTERFACE GTest::gtest_main GTest::gtest Threads::Threads)
  endif()
  if(VD_BENCH AND NOT VD_SANITIZE AND NOT VD_HOST_TOOLS_ONLY)
    find_package(benchmark REQUIRED)
  endif()
endif()
