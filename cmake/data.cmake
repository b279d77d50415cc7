# Data files built beside the executables (font libraries, protocol file).
# Each data_*.cmake adds its generating commands as dependencies of tavo_data.
add_custom_target(tavo_data ALL)
file(GLOB _tavo_data_parts ${CMAKE_SOURCE_DIR}/cmake/data_*.cmake)
foreach(_part ${_tavo_data_parts})
  include(${_part})
endforeach()
