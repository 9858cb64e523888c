# The setup program (Windows build). Included from installer/CMakeLists.txt.

# Parts of the wizard that its tests link without the window.
add_library(vd_installer_support STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/portal_mode.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/portal_resources.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/window_frame.cpp)
target_include_directories(vd_installer_support PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vd_installer_support PUBLIC vd_install_rules vd_core user32 gdi32)

# The built-in portal host goes into the string table as it stands in the code.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/portal_mode.h vd_host_line REGEX "kBuiltInPortalHost = ")
string(REGEX REPLACE ".*= \"([^\"]*)\".*" "\\1" VD_PORTAL_HOST "${vd_host_line}")
