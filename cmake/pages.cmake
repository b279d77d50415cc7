# The property pages, the bound controls and the panel-settings and alarm-list
# dialogs on their own: library tavo_pages and the test program tests_pages
# (offscreen platform). The editor's build takes the same sources into
# tavo_app; this file lets the pages be built and tested without it, by
# including it from CMakeLists.txt after tavo_core is defined:
#   include(cmake/pages.cmake)
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
find_package(GTest REQUIRED)
include(GoogleTest)

set(CMAKE_AUTOMOC ON)
file(GLOB TAVO_PAGES_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/app/pages/*.cpp ${CMAKE_SOURCE_DIR}/src/app/pages/*.h)
# The placeholder property area of the editor's build is not a page.
list(FILTER TAVO_PAGES_SOURCES EXCLUDE REGEX ".*/PropertyArea\\.(cpp|h)$")
add_library(tavo_pages STATIC ${TAVO_PAGES_SOURCES})
target_link_libraries(tavo_pages PUBLIC tavo_core Qt6::Widgets)

set(_pages_main ${CMAKE_BINARY_DIR}/tests_pages_main.cpp)
file(WRITE ${_pages_main} [=[
#include <gtest/gtest.h>
#include <QApplication>
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
]=])
file(GLOB _pages_tests CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/app/NumberBoxTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/app/PageLogicTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/app/RegisterGraphLogicTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/app/DialogFormTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/app/PageWidgetsTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/app/SettingsDialogWidgetTest.cpp)
add_executable(tests_pages ${_pages_tests} ${_pages_main})
target_link_libraries(tests_pages PRIVATE tavo_pages Qt6::Test GTest::gtest)
target_include_directories(tests_pages PRIVATE ${CMAKE_SOURCE_DIR}/tests)
gtest_discover_tests(tests_pages DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
