# Tests that run under Wine: a fixture makes one X display and Wine prefix for the run, and
# every test program is started through scripts/wine/run.sh.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
block()
  set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)  # GoogleTest's warnings are not ours to fix
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endblock()

# Debian keeps wine64 and wineserver out of PATH, in /usr/lib/wine.
find_program(OVANTA_WINE64 wine64 PATHS /usr/lib/wine)
find_program(OVANTA_WINESERVER wineserver PATHS /usr/lib/wine)
find_program(OVANTA_CONVERT convert)
set(OVANTA_TOOLS_ENV WINE64=${OVANTA_WINE64} WINESERVER=${OVANTA_WINESERVER} CONVERT=${OVANTA_CONVERT})

set(OVANTA_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(OVANTA_ARTIFACTS ${CMAKE_BINARY_DIR}/artifacts)
file(MAKE_DIRECTORY ${OVANTA_ARTIFACTS})

file(GLOB OVANTA_WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*_test.cpp)
add_executable(ovanta_wine_tests tests/win32/driver.cpp ${OVANTA_WINE_TESTS}
  $<TARGET_OBJECTS:ovanta_core> $<TARGET_OBJECTS:ovanta_solver> $<TARGET_OBJECTS:ovanta_win> $<TARGET_OBJECTS:ovanta_resources>)
target_include_directories(ovanta_wine_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(ovanta_wine_tests PRIVATE gtest gtest_main ${OVANTA_WIN_LIBS} ole32)
target_link_options(ovanta_wine_tests PRIVATE ${OVANTA_STATIC_RUNTIME})
set_property(TARGET ovanta_wine_tests PROPERTY CROSSCOMPILING_EMULATOR
  ${CMAKE_SOURCE_DIR}/scripts/wine/run.sh ${OVANTA_WINE_DIR})
add_dependencies(ovanta_wine_tests Ovanta)

# A small program that drives the running dialog for `make run` and the screenshots.
add_executable(ovanta_drive tests/win32/drive_main.cpp tests/win32/driver.cpp)
target_include_directories(ovanta_drive PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(ovanta_drive PRIVATE ${OVANTA_STATIC_RUNTIME})

add_test(NAME wine.setup COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/setup.sh ${OVANTA_WINE_DIR})
add_test(NAME wine.teardown COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/teardown.sh ${OVANTA_WINE_DIR})
set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine LABELS wine TIMEOUT 120
  ENVIRONMENT "${OVANTA_TOOLS_ENV}")
set_tests_properties(wine.teardown PROPERTIES FIXTURES_CLEANUP wine LABELS wine)

function(ovanta_wine_test name filter)
  add_test(NAME wine.${name} COMMAND ovanta_wine_tests --gtest_filter=${filter})
  set_tests_properties(wine.${name} PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE
    TIMEOUT 180
    ENVIRONMENT "OVANTA_EXE=$<TARGET_FILE:Ovanta>;OVANTA_SCREENSHOT=${OVANTA_ARTIFACTS}/solved.bmp;OVANTA_ARTIFACTS=${OVANTA_ARTIFACTS};OVANTA_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
endfunction()
ovanta_wine_test(in_process "InProcess.*")

# The tools: a helper program to launch.
add_executable(ovanta_probe WIN32 tests/win32/probe_main.cpp)
target_link_options(ovanta_probe PRIVATE ${OVANTA_STATIC_RUNTIME})
add_dependencies(ovanta_wine_tests ovanta_probe)
ovanta_wine_test(tools "Tools*.*")
set_property(TEST wine.tools APPEND PROPERTY ENVIRONMENT
  "OVANTA_PROBE=$<TARGET_FILE:ovanta_probe>" "OVANTA_ARTIFACTS=${OVANTA_ARTIFACTS}")
ovanta_wine_test(main_dialog "MainDialog.*")
ovanta_wine_test(report_about "ReportAbout*")
ovanta_wine_test(plot_point "PlotPoint.*:PlotPaint.*")
ovanta_wine_test(results_out "ResultsOut.*")
ovanta_wine_test(plot_motion "PlotMotion*")

# Every word of the dialogs fits its control, in every language, at 96, 144 and 192 DPI.
add_test(NAME wine.fit COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/fit.sh ${OVANTA_WINE_DIR} $<TARGET_FILE:ovanta_wine_tests>)
set_tests_properties(wine.fit PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE TIMEOUT 180)

# The language at start follows the display language when none is remembered.
add_test(NAME wine.display_language COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/display_language.sh ${OVANTA_WINE_DIR}
  ${CMAKE_BINARY_DIR})
set_tests_properties(wine.display_language PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE TIMEOUT 120)
add_dependencies(ovanta_wine_tests ovanta_drive)

# The dialog at 96 and 144 DPI, as pictures to look at; the test checks that it scales.
add_test(NAME wine.dpi_screenshots COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/dpi_shots.sh
  ${OVANTA_WINE_DIR} ${CMAKE_BINARY_DIR} ${OVANTA_ARTIFACTS})
set_tests_properties(wine.dpi_screenshots PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE
  TIMEOUT 120 ENVIRONMENT "${OVANTA_TOOLS_ENV}")
