# The package file the installer carries ("vedaruv.bin", mark "m_install"),
# packed at build time with the host `xpdb` from the payload folder chosen at
# configure time (VD_PAYLOAD_DIR), or from the demo payload that the host
# `mkpayload` writes (profile VD_PAYLOAD_PROFILE). The demo payload's
# "ZarIrovid.exe" and "UnInstall.exe" are the stand-in programs of this build
# (tools/standins), handed to `mkpayload` by path.
#
# Gives: target vd_package_file, variable VD_PACKAGE_FILE.
# Host tools are built natively in <build>/host-tools by a nested CMake run.

include(ExternalProject)

set(VD_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(VD_HOST_XPDB ${VD_HOST_TOOLS_DIR}/tools/xpdb/xpdb)
set(VD_HOST_MKPAYLOAD ${VD_HOST_TOOLS_DIR}/tools/mkpayload/mkpayload)

ExternalProject_Add(vd_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VD_HOST_TOOLS_DIR}
  CMAKE_ARGS -DVD_HOST_TOOLS_ONLY=ON -DVD_TESTS=OFF -DVD_BENCH=OFF -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build . --target xpdb mkpayload
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VD_HOST_XPDB} ${VD_HOST_MKPAYLOAD})

set(VD_PACKAGE_FILE ${CMAKE_BINARY_DIR}/payload/vedaruv.bin)
# A fixed creation stamp keeps the package identical from build to build.
set(VD_PACKAGE_STAMP "2011-07-21 10:59:20.671" CACHE STRING "Creation stamp written into the package")

if(VD_PAYLOAD_DIR)
  file(GLOB vd_payload_inputs ${VD_PAYLOAD_DIR}/*)
  set(vd_payload_folder ${VD_PAYLOAD_DIR})
  set(vd_payload_depends ${vd_payload_inputs})
else()
  set(vd_payload_folder ${CMAKE_BINARY_DIR}/payload/demo-${VD_PAYLOAD_PROFILE})
  add_custom_command(
    OUTPUT ${vd_payload_folder}/order.txt
    COMMAND ${VD_HOST_MKPAYLOAD} --profile ${VD_PAYLOAD_PROFILE}
            --program ZarIrovid.exe=$<TARGET_FILE:vd_standin_player>
            --program UnInstall.exe=$<TARGET_FILE:vd_standin_uninstaller>
            ${vd_payload_folder}
    DEPENDS vd_host_tools ${PROJECT_SOURCE_DIR}/tools/mkpayload/payload.cpp
            vd_standin_player vd_standin_uninstaller
    COMMENT "Generating the ${VD_PAYLOAD_PROFILE} demo payload")
  set(vd_payload_depends ${vd_payload_folder}/order.txt)
endif()

# The folder the package is packed from (the end-to-end runs compare the
# installed files with it).
set(VD_PAYLOAD_FOLDER ${vd_payload_folder})

add_custom_command(
  OUTPUT ${VD_PACKAGE_FILE}
  COMMAND ${CMAKE_COMMAND} -DXPDB=${VD_HOST_XPDB} -DFOLDER=${vd_payload_folder}
          -DOUT=${VD_PACKAGE_FILE} -DSTAMP=${VD_PACKAGE_STAMP}
          -P ${CMAKE_CURRENT_LIST_DIR}/PackPayload.cmake
  DEPENDS vd_host_tools ${vd_payload_depends} ${CMAKE_CURRENT_LIST_DIR}/PackPayload.cmake
  COMMENT "Packing the payload into vedaruv.bin")
add_custom_target(vd_package_file DEPENDS ${VD_PACKAGE_FILE})
