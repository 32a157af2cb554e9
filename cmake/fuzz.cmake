# Fuzz targets. Every native build replays their saved corpora as regression tests; the `fuzz`
# preset (clang, OVANTA_FUZZ=ON) builds them as libFuzzer programs.
set(OVANTA_FUZZ_TARGETS number solver tools_rel)
foreach(name IN LISTS OVANTA_FUZZ_TARGETS)
  if(OVANTA_FUZZ)
    add_executable(fuzz_${name} tests/fuzz/${name}_fuzz.cpp)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${name} PRIVATE ovanta_core ovanta_solver ovanta_fakes)
  endif()
  add_executable(replay_${name} tests/fuzz/${name}_fuzz.cpp tests/fuzz/replay_main.cpp)
  target_link_libraries(replay_${name} PRIVATE ovanta_core ovanta_solver ovanta_fakes)
  add_test(NAME fuzz_corpus.${name} COMMAND replay_${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  set_tests_properties(fuzz_corpus.${name} PROPERTIES LABELS unit)
endforeach()
