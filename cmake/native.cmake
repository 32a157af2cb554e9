# Native (Linux) build: the portable core with its unit tests, linked against the fakes.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB OVANTA_FAKES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(ovanta_fakes OBJECT ${OVANTA_FAKES})
target_include_directories(ovanta_fakes PUBLIC ${CMAKE_SOURCE_DIR})

file(GLOB OVANTA_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(ovanta_unit_tests ${OVANTA_UNIT_TESTS})
target_compile_definitions(ovanta_unit_tests PRIVATE OVANTA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
target_link_libraries(ovanta_unit_tests PRIVATE ovanta_core ovanta_solver ovanta_fakes GTest::gtest GTest::gtest_main)
gtest_discover_tests(ovanta_unit_tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
include(cmake/fuzz.cmake)
include(cmake/bench.cmake)

# The shape of the tree: layers, Windows headers only in *_win32 files, short functions, no
# mutable static data in portable code outside app/.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME layers COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/check_layers.py ${CMAKE_SOURCE_DIR})
set_tests_properties(layers PROPERTIES LABELS unit)

# Every word a user sees stands in the word tables of text/, in every language.
add_test(NAME texts COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/check_texts.py ${CMAKE_SOURCE_DIR})
set_tests_properties(texts PROPERTIES LABELS unit)
