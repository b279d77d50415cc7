# The Qt editor: library tavo_app (everything but main), the program
# tavo-editor and the GUI tests, which run on the offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Widgets SerialPort Test)
find_package(X11 QUIET)

set(CMAKE_AUTOMOC ON)

file(GLOB_RECURSE TAVO_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
list(FILTER TAVO_APP_SOURCES EXCLUDE REGEX ".*/app/main\\.cpp$")
file(GLOB_RECURSE TAVO_APP_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.h)
add_library(tavo_app STATIC ${TAVO_APP_SOURCES} ${TAVO_APP_HEADERS})
target_link_libraries(tavo_app PUBLIC tavo_pages tavo_check tavo_link tavo_lang Qt6::Widgets Qt6::SerialPort)
if(X11_FOUND AND X11_Xkb_FOUND)
  # The lock-key panes of the status bar follow the keyboard indicators on X11.
  target_compile_definitions(tavo_app PRIVATE TAVO_HAVE_X11=1)
  target_link_libraries(tavo_app PRIVATE X11::X11)
endif()

add_executable(tavo-editor ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(tavo-editor PRIVATE tavo_app)
if(TARGET tavo_data)
  add_dependencies(tavo-editor tavo_data)
endif()

file(GLOB_RECURSE _app_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/app/*.cpp)
if(_app_tests)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(tests_app ${_app_tests})
  # Apart from the data files, so that a test can start the editor without them.
  set_target_properties(tests_app PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-app)
  target_link_libraries(tests_app PRIVATE tavo_app tavo_panel Qt6::Test GTest::gtest)
  target_include_directories(tests_app PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(tests_app PRIVATE
    TAVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVO_BIN_DIR="${TAVO_BIN_DIR}")
  if(TARGET tavo_data)
    add_dependencies(tests_app tavo_data)
  endif()
  if(TARGET tavo-panel)
    add_dependencies(tests_app tavo-panel)
  endif()
  gtest_discover_tests(tests_app DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "TAVO_DATA_DIR=${TAVO_BIN_DIR};QT_QPA_PLATFORM=offscreen")
endif()
