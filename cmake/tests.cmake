# One test executable per folder of tests/, run through CTest, each linked
# with the lowest layer that holds what it tests.
find_package(GTest REQUIRED)
include(GoogleTest)

set(_layer_of_plc tavo_plc)
set(_layer_of_render tavo_model)     # element drawing is tested with the canvas
set(_layer_of_model tavo_download)   # round trips compile the read project
set(_layer_of_elements tavo_download)
set(_layer_of_pages tavo_pages)
set(_layer_of_download tavo_panel)   # transfers run against the emulator
set(_layer_of_check tavo_check)
set(_layer_of_panel tavo_panel)
set(_layer_of_link tavo_link)
set(_layer_of_cli tavo_cli)
set(_layer_of_e2e tavo_cli)
set(_layer_of_lang tavo_lang)
foreach(area plc render model elements pages download check panel link lang cli e2e)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${area}/*.cpp)
  if(_srcs)
    add_executable(tests_${area} ${_srcs} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
    target_link_libraries(tests_${area} PRIVATE ${_layer_of_${area}} GTest::gtest GTest::gmock)
    target_include_directories(tests_${area} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(tests_${area} PRIVATE
      TAVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVO_BIN_DIR="${TAVO_BIN_DIR}")
    if(TARGET tavo_data)
      add_dependencies(tests_${area} tavo_data)
    endif()
    if(TARGET tavo-panel)
      add_dependencies(tests_${area} tavo-panel tavo)
    endif()
    add_dependencies(tests_${area} tavo_translations)
    set(_props ENVIRONMENT "TAVO_DATA_DIR=${TAVO_BIN_DIR}")
    if(area STREQUAL "e2e")
      # Programs talking over a line: a hang must end the test, not the run.
      list(APPEND _props TIMEOUT 60)
    endif()
    gtest_discover_tests(tests_${area} DISCOVERY_TIMEOUT 120 PROPERTIES ${_props})
  endif()
endforeach()

# The arrows between the core's layers point one way.
add_test(NAME Layers.IncludesPointDown
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake)

# Every marked text of the sources is in its catalogue: lupdate over a copy of
# each catalogue, then the catalogue checks over the copies (a text marked
# but never brought into the catalogue comes in unfinished and fails them).
get_property(_catalogues GLOBAL PROPERTY TAVO_CATALOGUES)
list(JOIN _catalogues "|" _catalogues)
list(JOIN TAVO_LUPDATE_OPTIONS "|" _lupdate_options)
add_test(NAME Catalogues.HoldEveryMarkedText
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DLUPDATE=${TAVO_LUPDATE}
          "-DLUPDATE_OPTIONS=${_lupdate_options}" "-DCATALOGUES=${_catalogues}"
          -DCHECKER=$<TARGET_FILE:tests_lang> -DWORK_DIR=${CMAKE_BINARY_DIR}/catalogue-check
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckCatalogues.cmake)
