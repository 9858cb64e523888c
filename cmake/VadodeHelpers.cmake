# Small helpers shared by every folder's CMakeLists.txt.

# Adds a folder when it has a CMakeLists.txt (folders grow one by one).
function(vd_optional_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# vd_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [TIMEOUT s] [POINTER])
# Builds a GoogleTest executable and registers it with ctest. In the Windows
# build ctest runs it under Wine through the cross-compiling emulator.
# POINTER: the tests move the mouse pointer of the shared display or look at
# what it hovers; no two such programs run at the same time.
function(vd_add_gtest name)
  cmake_parse_arguments(T "POINTER" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} vd_gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_POINTER)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display_pointer)
  endif()
  if(VD_WINDOWS)
    set_tests_properties(${name} PROPERTIES LABELS win32)
  else()
    set_tests_properties(${name} PROPERTIES LABELS native)
  endif()
endfunction()
