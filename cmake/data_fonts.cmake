# Font libraries "ormed_EN.dat" and "ormed_CH.dat", generated from GNU Unifont
# by `tavo fontlib` and placed beside the executables.
set(TAVO_UNIFONT_HEX /usr/share/unifont/unifont.hex CACHE FILEPATH
    "GNU Unifont .hex file the font libraries are built from")
if(NOT EXISTS ${TAVO_UNIFONT_HEX})
  message(FATAL_ERROR "GNU Unifont not found at ${TAVO_UNIFONT_HEX}: install the Debian "
                      "package unifont or set TAVO_UNIFONT_HEX")
endif()

set(_tavo_font_libs ${TAVO_BIN_DIR}/ormed_EN.dat ${TAVO_BIN_DIR}/ormed_CH.dat)
add_custom_command(
  OUTPUT ${_tavo_font_libs}
  COMMAND tavo fontlib --unifont ${TAVO_UNIFONT_HEX} -o ${TAVO_BIN_DIR}
  DEPENDS tavo ${TAVO_UNIFONT_HEX}
  COMMENT "Building the font libraries from GNU Unifont"
  VERBATIM)
add_custom_target(tavo_fonts DEPENDS ${_tavo_font_libs})
add_dependencies(tavo_data tavo_fonts)
