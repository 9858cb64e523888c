# Lean, reproducible release builds (on by default in the Windows build,
# VD_LEAN). Applies to every program and library of the project, so new code
# inherits it:
# - Release code is optimised for size (-Os); the code whose speed matters
#   (the transition engine, the package store) is marked with
#   vd_speed_critical(TARGET) in its folder and keeps VD_SPEED_FLAGS (-O2;
#   measured in bench/, see the README);
# - every function and datum in its own section, and the linker drops the
#   sections nothing uses; Release programs are stripped;
# - no build paths (-ffile-prefix-map) and no link time stamp, so two builds
#   of the same commit are byte-identical;
# - the programs we ship (vd_whole_program(TARGET)) are optimised at link
#   time as a whole, see below.
# A Debug build (-DCMAKE_BUILD_TYPE=Debug) keeps symbols and debug info.

if(VD_LEAN)
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options("$<$<CONFIG:Release>:-ffunction-sections;-fdata-sections>")
  add_link_options("$<$<CONFIG:Release>:LINKER:--gc-sections;-s>")
  if(VD_WINDOWS)
    # Programs take the terminate handler of core/terminate_handler.cpp
    # (linked with vd_core) instead of the runtime's verbose one.
    add_link_options(LINKER:--undefined=__ZN9__gnu_cxx27__verbose_terminate_handlerEv)
  endif()
endif()

if(VD_WINDOWS)
  # Release code names its sources relative to the tree they come from (a
  # Debug build keeps full paths for the debugger).
  add_compile_options("$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=;-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>")
  add_link_options(LINKER:--no-insert-timestamp)
endif()

# Whole-program links. The MinGW linker keeps every function that has unwind
# information (its script keeps all of .eh_frame, whose entries point at every
# function), so --gc-sections drops no C++ function. Link-time optimisation
# leaves out what the program never calls before any code or unwind table is
# made. Objects carry their intermediate form beside ordinary code
# (-ffat-lto-objects): the shipped programs are optimised as a whole, every
# other program (tests, tools) links the ordinary code as quickly as before.
# One partition: GCC 12 for MinGW fails (internal error) when it splits the
# setup program into several.
if(VD_LEAN AND VD_WINDOWS)
  add_compile_options("$<$<CONFIG:Release>:-flto;-ffat-lto-objects>")
  add_link_options("$<$<CONFIG:Release>:$<IF:$<BOOL:$<TARGET_PROPERTY:VD_WHOLE_PROGRAM>>,-flto;-flto-partition=one,-fno-lto>>")
endif()

# vd_whole_program(TARGET): TARGET is a program we ship; a lean Release build
# optimises it at link time as a whole.
function(vd_whole_program target)
  set_target_properties(${target} PROPERTIES VD_WHOLE_PROGRAM ON)
endfunction()

set(VD_SPEED_FLAGS "-O2" CACHE STRING "Optimisation of the speed-critical code in a lean Release build")

# vd_speed_critical(TARGET): keeps TARGET's code at VD_SPEED_FLAGS in a lean
# Release build.
function(vd_speed_critical target)
  if(VD_LEAN)
    separate_arguments(flags UNIX_COMMAND "${VD_SPEED_FLAGS}")
    target_compile_options(${target} PRIVATE "$<$<CONFIG:Release>:${flags}>")
  endif()
endfunction()
