# Native (Linux) build: the portable core with its unit tests, linked against the fakes.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB OVANTA_FAKES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(ovanta_fakes OBJECT ${OVANTA_FAKES})
target_include_directories(ovanta_fakes PUBLIC ${CMAKE_SOURCE_DIR})

file(GLOB OVANTA_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(ovanta_unit_tests ${OVANTA_UNIT_TESTS})
target_compile_definitions(ovanta_unit_tests PRIVATE OVANTA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
target_link_libraries(ovanta_unit_tests PRIVATE ovanta_core ovanta_fakes GTest::gtest GTest::gtest_main)
gtest_discover_tests(ovanta_unit_tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)

# libFuzzer target for the Tools.rel reader, built with clang when it can make fuzzers:
#   build/native/fuzz/fuzz_tools_rel -max_total_time=60 build/native/fuzz/corpus tests/data/tools
find_program(OVANTA_CLANGXX NAMES clang++ clang++-14)
if(OVANTA_CLANGXX)
  set(probe ${CMAKE_BINARY_DIR}/fuzz-probe.cpp)
  file(WRITE ${probe} "#include <cstdint>\n#include <cstddef>\nextern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${OVANTA_CLANGXX} -fsanitize=fuzzer ${probe} -o ${CMAKE_BINARY_DIR}/fuzz-probe
    RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(fuzz_sources ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_tools_rel.cpp ${CMAKE_SOURCE_DIR}/tools/tool_list.cpp)
    set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
    file(MAKE_DIRECTORY ${fuzz_dir}/corpus)
    add_custom_command(OUTPUT ${fuzz_dir}/fuzz_tools_rel
      COMMAND ${OVANTA_CLANGXX} -std=c++20 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined
              -I${CMAKE_SOURCE_DIR} ${fuzz_sources} -o ${fuzz_dir}/fuzz_tools_rel
      DEPENDS ${fuzz_sources} ${CMAKE_SOURCE_DIR}/tools/tool_list.h
      COMMENT "Building the Tools.rel fuzzer with clang")
    add_custom_target(fuzz_tools_rel ALL DEPENDS ${fuzz_dir}/fuzz_tools_rel)
    # A short run on every test pass, new inputs kept in the build tree; long runs by hand.
    add_test(NAME fuzz.tools_rel COMMAND ${fuzz_dir}/fuzz_tools_rel -runs=20000 -max_len=4096
             ${fuzz_dir}/corpus ${CMAKE_SOURCE_DIR}/tests/data/tools)
    set_tests_properties(fuzz.tools_rel PROPERTIES LABELS fuzz TIMEOUT 120)
  endif()
endif()
