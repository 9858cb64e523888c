# cmake -DXPDB=... -DFOLDER=... -DOUT=... [-DSTAMP=...] -P PackPayload.cmake
# Packs FOLDER into OUT with the mark "m_install". When FOLDER/order.txt
# exists its names give the order of the entries; otherwise xpdb adds the
# folder's files sorted by name.
set(files)
if(EXISTS ${FOLDER}/order.txt)
  file(STRINGS ${FOLDER}/order.txt names)
  foreach(name IN LISTS names)
    if(NOT name STREQUAL "")
      list(APPEND files ${FOLDER}/${name})
    endif()
  endforeach()
else()
  set(files ${FOLDER})
endif()
set(stamp_args)
if(DEFINED STAMP AND NOT STAMP STREQUAL "")
  set(stamp_args --created "${STAMP}")
endif()
get_filename_component(out_dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
execute_process(COMMAND ${XPDB} pack ${OUT}.tmp --mark m_install ${stamp_args} ${files}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "xpdb pack failed (${rc})")
endif()
file(RENAME ${OUT}.tmp ${OUT})
