# Brings a copy of every catalogue up to date with the sources and checks the
# copies: run as a test (cmake -DSOURCE_DIR=... -DLUPDATE=... -DCATALOGUES=
# "name:dir,dir|..." -DLUPDATE_OPTIONS="option|..." -DCHECKER=tests_lang -DWORK_DIR=... -P CheckCatalogues.cmake).
string(REPLACE "|" ";" CATALOGUES "${CATALOGUES}")
string(REPLACE "|" ";" LUPDATE_OPTIONS "${LUPDATE_OPTIONS}")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(_catalogue ${CATALOGUES})
  string(REPLACE ":" ";" _parts "${_catalogue}")
  list(GET _parts 0 _name)
  list(GET _parts 1 _dirlist)
  string(REPLACE "," ";" _dirs "${_dirlist}")
  list(TRANSFORM _dirs PREPEND ${SOURCE_DIR}/src/)
  if(EXISTS ${SOURCE_DIR}/translations/${_name}.ts)
    file(COPY ${SOURCE_DIR}/translations/${_name}.ts DESTINATION ${WORK_DIR})
  endif()
  execute_process(COMMAND ${LUPDATE} ${LUPDATE_OPTIONS} ${_dirs} -ts ${WORK_DIR}/${_name}.ts
                  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE _rc OUTPUT_VARIABLE _out
                  ERROR_VARIABLE _out)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${_name}:\n${_out}")
  endif()
endforeach()
set(ENV{TAVO_TS_DIR} ${WORK_DIR})
execute_process(COMMAND ${CHECKER} --gtest_filter=Catalogues.EveryText*:Catalogues.Translations*
                RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "A catalogue lacks texts the sources mark: build tavo_lupdate, "
                      "translate what came in, and commit translations/")
endif()
