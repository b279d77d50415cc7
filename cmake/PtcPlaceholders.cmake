# Writes the placeholder drivers of the protocol file: for protocol p,
# OUT_DIR/driver_p.bin holds one text line naming it, so a panel memory dump
# shows which protocol's driver was sent. Run with cmake -P.
if(NOT OUT_DIR OR NOT VERSION)
  message(FATAL_ERROR "PtcPlaceholders.cmake needs -DOUT_DIR=... -DVERSION=...")
endif()
file(MAKE_DIRECTORY ${OUT_DIR})
foreach(_p RANGE 1 36)
  if(_p LESS 10)
    set(_nn "0${_p}")
  else()
    set(_nn "${_p}")
  endif()
  file(WRITE ${OUT_DIR}/driver_${_p}.bin
       "TAVO PLACEHOLDER DRIVER protocol ${_nn} version ${VERSION}\n")
endforeach()
