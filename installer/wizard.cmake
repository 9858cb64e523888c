# The setup program (Windows build). Included from installer/CMakeLists.txt.

# Parts of the wizard that its tests link without the window: start-up facts,
# portal mode, frame operations, the install location, the extraction worker,
# the file associations and the finishing actions.
set(vd_wizard_dir ${CMAKE_CURRENT_SOURCE_DIR})
add_library(vd_installer_support STATIC
  ${vd_wizard_dir}/portal_mode.cpp
  ${vd_wizard_dir}/portal_resources.cpp
  ${vd_wizard_dir}/startup_facts.cpp
  ${vd_wizard_dir}/window_frame.cpp
  ${vd_wizard_dir}/license_text.cpp
  ${vd_wizard_dir}/app_paths.cpp
  ${vd_wizard_dir}/install_location_checks.cpp
  ${vd_wizard_dir}/install_folder_check.cpp
  ${vd_wizard_dir}/uninstall_entry.cpp
  ${vd_wizard_dir}/data_extractor.cpp
  ${vd_wizard_dir}/file_associations.cpp
  ${vd_wizard_dir}/url_protocol.cpp
  ${vd_wizard_dir}/portal_record_store.cpp
  ${vd_wizard_dir}/player_shortcuts.cpp
  ${vd_wizard_dir}/start_page.cpp)
target_include_directories(vd_installer_support PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vd_installer_support PUBLIC vd_install_rules vd_toolkit vd_system vd_package vd_core
                      shell32 user32 gdi32)

# The built-in portal host goes into the string table as it stands in the code.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/portal_mode.h vd_host_line REGEX "kBuiltInPortalHost = ")
string(REGEX REPLACE ".*= \"([^\"]*)\".*" "\\1" VD_PORTAL_HOST "${vd_host_line}")

# The resources of the setup program: manifest, string table, skin, licence
# text, package and slides.
set(VD_RES_DIR ${PROJECT_SOURCE_DIR}/res)
configure_file(${VD_RES_DIR}/VadodeSetup.rc.in ${CMAKE_CURRENT_BINARY_DIR}/VadodeSetup.rc @ONLY)
file(GLOB vd_skin_files ${VD_RES_DIR}/skin/*)
file(GLOB vd_slide_files ${VD_RES_DIR}/slides/*)
add_library(vd_setup_resources OBJECT ${CMAKE_CURRENT_BINARY_DIR}/VadodeSetup.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/VadodeSetup.rc PROPERTIES
  OBJECT_DEPENDS "${VD_PACKAGE_FILE};${vd_skin_files};${vd_slide_files};${VD_RES_DIR}/VadodeSetup.manifest;${VD_RES_DIR}/resource_ids.h;${VD_RES_DIR}/license.txt")
add_dependencies(vd_setup_resources vd_package_file)

# VadodeSetup.exe: GUI subsystem, wWinMain, static.
add_library(vd_wizard STATIC
  ${vd_wizard_dir}/uMain.cpp
  ${vd_wizard_dir}/page_contents.cpp
  ${vd_wizard_dir}/page_controller.cpp
  ${vd_wizard_dir}/extraction_host.cpp
  ${vd_wizard_dir}/file_relation_page.cpp
  ${vd_wizard_dir}/finishing.cpp
  ${vd_wizard_dir}/temporary_files.cpp
  ${vd_wizard_dir}/copy_rollback.cpp)
target_include_directories(vd_wizard PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vd_wizard PUBLIC vd_installer_support vd_controls vd_toolkit vd_system vd_package
                      vd_install_rules vd_core)
add_executable(VadodeSetup WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp $<TARGET_OBJECTS:vd_setup_resources>)
target_link_libraries(VadodeSetup PRIVATE vd_wizard)
target_link_options(VadodeSetup PRIVATE -municode)
vd_whole_program(VadodeSetup)
