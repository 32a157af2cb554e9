# Windows build with MinGW-w64: Ovanta.exe, and on x86_64 the tests that run under Wine.
enable_language(RC)
# A dialog program gains nothing from -O3's code growth: optimise the release exe for size.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(OVANTA_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(OVANTA_ART ${OVANTA_ART_DIR}/Ic0.ico ${OVANTA_ART_DIR}/IcY0.ico ${OVANTA_ART_DIR}/picture.bmp)
add_custom_command(OUTPUT ${OVANTA_ART}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/draw_art.py ${OVANTA_ART_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/draw_art.py
  COMMENT "Drawing the icons and the dialog's picture")
add_custom_target(ovanta_art DEPENDS ${OVANTA_ART})

configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

# Resources go in an object library: a static library would drop them, as nothing refers to them.
add_library(ovanta_resources OBJECT resources/ovanta.rc)
target_include_directories(ovanta_resources PRIVATE
  ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/generated ${OVANTA_ART_DIR})
add_dependencies(ovanta_resources ovanta_art)
set_source_files_properties(resources/ovanta.rc PROPERTIES
  OBJECT_DEPENDS "${OVANTA_ART};${CMAKE_SOURCE_DIR}/resources/ovanta.manifest;${CMAKE_SOURCE_DIR}/resources/ids.h")

add_library(ovanta_win OBJECT ${OVANTA_WIN_SOURCES})
target_include_directories(ovanta_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(ovanta_win PUBLIC WINVER=0x0601 _WIN32_WINNT=0x0601)

set(OVANTA_WIN_LIBS comctl32 comdlg32 shell32 gdi32 user32 kernel32)
set(OVANTA_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_executable(Ovanta WIN32 app/winmain_win32.cpp
  $<TARGET_OBJECTS:ovanta_core> $<TARGET_OBJECTS:ovanta_win> $<TARGET_OBJECTS:ovanta_resources>)
target_include_directories(Ovanta PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(Ovanta PRIVATE ${OVANTA_WIN_LIBS})
target_link_options(Ovanta PRIVATE ${OVANTA_STATIC_RUNTIME} $<$<CONFIG:Release>:-s>)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  include(cmake/wine-tests.cmake)
endif()

# The yardstick for start-up time and size, and the timer that compares them under Wine.
add_executable(empty_dialog WIN32 bench/empty_dialog_win32.cpp bench/empty_dialog.rc)
target_include_directories(empty_dialog PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_options(empty_dialog PRIVATE ${OVANTA_STATIC_RUNTIME} $<$<CONFIG:Release>:-s>)
add_executable(template_dialog WIN32 bench/template_dialog_win32.cpp $<TARGET_OBJECTS:ovanta_resources>)
target_link_options(template_dialog PRIVATE ${OVANTA_STATIC_RUNTIME} $<$<CONFIG:Release>:-s>)
add_executable(startup_timer bench/startup_win32.cpp)
target_link_options(startup_timer PRIVATE ${OVANTA_STATIC_RUNTIME})
