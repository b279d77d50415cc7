# The programs' catalogues (translations/NAME.ts, Qt Linguist's format), the
# source texts Chinese: each is built into NAME.qm beside the data files and
# installed with them. One line per catalogue:
#   tavo_catalogue(NAME DIRS folders of src/ whose marked texts it holds)
# `cmake --build build --target tavo_lupdate` brings every catalogue up to
# date with the sources (new texts come in unfinished, vanished ones go).
include(GNUInstallDirs)
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
get_target_property(TAVO_LUPDATE Qt6::lupdate IMPORTED_LOCATION)

# The marks of the window-free layers (base/Texts.h) spelt as Qt's.
set(TAVO_LUPDATE_OPTIONS -I src -locations none -no-obsolete -source-language zh_CN -target-language en
    -tr-function-alias QT_TRANSLATE_NOOP+=TAVO_TRANSLATE_NOOP,translate+=Translate)

add_custom_target(tavo_translations ALL)
add_custom_target(tavo_lupdate)

function(tavo_catalogue name)
  cmake_parse_arguments(C "" "" "DIRS" ${ARGN})
  set(_ts ${CMAKE_SOURCE_DIR}/translations/${name}.ts)
  set(_dirs)
  foreach(_dir ${C_DIRS})
    list(APPEND _dirs ${CMAKE_SOURCE_DIR}/src/${_dir})
  endforeach()
  add_custom_target(${name}_lupdate
    COMMAND ${TAVO_LUPDATE} ${TAVO_LUPDATE_OPTIONS} ${_dirs} -ts ${_ts}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
  add_dependencies(tavo_lupdate ${name}_lupdate)
  # The lupdate test runs the same over a copy of the catalogue.
  list(JOIN C_DIRS "," _dirlist)
  set_property(GLOBAL APPEND PROPERTY TAVO_CATALOGUES "${name}:${_dirlist}")
  if(NOT EXISTS ${_ts})
    message(STATUS "translations/${name}.ts does not exist yet: build ${name}_lupdate")
    return()
  endif()
  set_source_files_properties(${_ts} PROPERTIES OUTPUT_LOCATION ${TAVO_BIN_DIR})
  qt6_add_translation(_qm ${_ts})
  add_custom_target(${name}_lrelease DEPENDS ${_qm})
  add_dependencies(tavo_translations ${name}_lrelease)
  install(FILES ${_qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/tavo)
endfunction()

tavo_catalogue(tavo_app_en DIRS app)
tavo_catalogue(tavo_core_en DIRS base plc render model elements download check panel link pages cli)
