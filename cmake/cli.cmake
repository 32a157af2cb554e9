# ovanta-solve: the solver on the command line, a native program and a Windows console program,
# built from the dialog's own solver objects so that both always agree.
include(GNUInstallDirs)

file(GLOB OVANTA_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp)
list(REMOVE_ITEM OVANTA_CLI_SOURCES ${CMAKE_SOURCE_DIR}/cli/main.cpp ${CMAKE_SOURCE_DIR}/cli/console.cpp
  ${CMAKE_SOURCE_DIR}/cli/console_win32.cpp)
add_library(ovanta_cli OBJECT ${OVANTA_CLI_SOURCES})
target_include_directories(ovanta_cli PUBLIC ${CMAKE_SOURCE_DIR} PRIVATE ${CMAKE_BINARY_DIR}/generated)

# The entry point and the system's side: Windows' wide-character arguments and file names, or
# the C library's.
if(WIN32)
  set(OVANTA_CLI_CONSOLE cli/console_win32.cpp platform/wide_win32.cpp)
else()
  set(OVANTA_CLI_CONSOLE cli/console.cpp)
endif()
add_executable(ovanta-solve cli/main.cpp ${OVANTA_CLI_CONSOLE} $<TARGET_OBJECTS:ovanta_cli> $<TARGET_OBJECTS:ovanta_solver>)
target_include_directories(ovanta-solve PRIVATE ${CMAKE_SOURCE_DIR})

if(WIN32)
  # A console program that needs only Windows' own DLLs, like Ovanta.exe, stripped like it, with
  # a version resource of its own; wmain takes the arguments in UTF-16.
  target_sources(ovanta-solve PRIVATE resources/ovanta-solve.rc)
  set_source_files_properties(resources/ovanta-solve.rc PROPERTIES
    INCLUDE_DIRECTORIES "${CMAKE_SOURCE_DIR}/resources;${CMAKE_BINARY_DIR}/generated"
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/version_info.rc")
  target_link_options(ovanta-solve PRIVATE ${OVANTA_STATIC_RUNTIME} -municode ${OVANTA_STRIP})
  install(TARGETS ovanta-solve RUNTIME DESTINATION . COMPONENT cli)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_test(NAME wine.cli COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/smoke.sh $<TARGET_FILE:ovanta-solve>
      ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${OVANTA_WINE_DIR})
    set_tests_properties(wine.cli PROPERTIES FIXTURES_REQUIRED wine LABELS wine TIMEOUT 60)
  endif()
else()
  install(TARGETS ovanta-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
  install(FILES docs/ovanta-solve.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli)

  # Its own test program, so that it builds and runs without the dialog's unit tests.
  file(GLOB OVANTA_CLI_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/cli/*.cpp)
  add_executable(ovanta_cli_tests ${OVANTA_CLI_TESTS} $<TARGET_OBJECTS:ovanta_cli> $<TARGET_OBJECTS:ovanta_solver>)
  target_include_directories(ovanta_cli_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
  target_link_libraries(ovanta_cli_tests PRIVATE GTest::gtest GTest::gtest_main)
  gtest_discover_tests(ovanta_cli_tests PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
  add_test(NAME cli.smoke COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/smoke.sh $<TARGET_FILE:ovanta-solve>)
  set_tests_properties(cli.smoke PROPERTIES LABELS unit TIMEOUT 60)
endif()
