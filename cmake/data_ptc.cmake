# The protocol file "ormed_Ptc.dat": one record per catalogue protocol, 1 to 36
# in order, version 1, each with a small placeholder driver (the real drivers
# are panel firmware). The placeholders are written by PtcPlaceholders.cmake
# and packed by `tavo ptc`.
set(_tavo_ptc_dir ${CMAKE_BINARY_DIR}/ptc_placeholders)
set(_tavo_ptc_script ${CMAKE_SOURCE_DIR}/cmake/PtcPlaceholders.cmake)
set(_tavo_ptc_drivers)
foreach(_p RANGE 1 36)
  list(APPEND _tavo_ptc_drivers --driver ${_p}:1:${_tavo_ptc_dir}/driver_${_p}.bin)
endforeach()

add_custom_command(
  OUTPUT ${TAVO_BIN_DIR}/ormed_Ptc.dat
  COMMAND ${CMAKE_COMMAND} -DOUT_DIR=${_tavo_ptc_dir} -DVERSION=1 -P ${_tavo_ptc_script}
  COMMAND tavo ptc -o ${TAVO_BIN_DIR}/ormed_Ptc.dat ${_tavo_ptc_drivers}
  DEPENDS tavo ${_tavo_ptc_script}
  COMMENT "Building the protocol file with placeholder drivers"
  VERBATIM)
add_custom_target(tavo_ptc DEPENDS ${TAVO_BIN_DIR}/ormed_Ptc.dat)
add_dependencies(tavo_data tavo_ptc)
