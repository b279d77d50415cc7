# One test executable per folder of tests/, run through CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

foreach(area model elements plc render download panel cli e2e)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${area}/*.cpp)
  if(_srcs)
    add_executable(tests_${area} ${_srcs} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
    target_link_libraries(tests_${area} PRIVATE tavo_cli tavo_panel tavo_core GTest::gtest GTest::gmock)
    target_include_directories(tests_${area} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(tests_${area} PRIVATE
      TAVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVO_BIN_DIR="${TAVO_BIN_DIR}")
    if(TARGET tavo_data)
      add_dependencies(tests_${area} tavo_data)
    endif()
    if(TARGET tavo-panel)
      add_dependencies(tests_${area} tavo-panel tavo)
    endif()
    gtest_discover_tests(tests_${area} DISCOVERY_TIMEOUT 120
      PROPERTIES ENVIRONMENT "TAVO_DATA_DIR=${TAVO_BIN_DIR}")
  endif()
endforeach()
