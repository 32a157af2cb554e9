# Windows build with MinGW-w64: Ovanta.exe, and on x86_64 the tests that run under Wine. The
# custom commands are VERBATIM: every path reaches its program whole, blanks and all.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(OVANTA_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(OVANTA_ART ${OVANTA_ART_DIR}/Ic0.ico ${OVANTA_ART_DIR}/IcY0.ico ${OVANTA_ART_DIR}/picture.bmp)
foreach(dpi 120 144 168 192)
  list(APPEND OVANTA_ART ${OVANTA_ART_DIR}/picture${dpi}.bmp)
endforeach()
add_custom_command(OUTPUT ${OVANTA_ART}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/draw_art.py ${OVANTA_ART_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/draw_art.py
  COMMENT "Drawing the icons and the dialog's picture" VERBATIM)
add_custom_target(ovanta_art DEPENDS ${OVANTA_ART})

# Resources go in an object library: a static library would drop them, as nothing refers to them.
add_library(ovanta_resources OBJECT resources/ovanta.rc)
target_include_directories(ovanta_resources PRIVATE
  ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR}/generated ${OVANTA_ART_DIR})
add_dependencies(ovanta_resources ovanta_art)
set_source_files_properties(resources/ovanta.rc PROPERTIES
  OBJECT_DEPENDS "${OVANTA_ART};${CMAKE_SOURCE_DIR}/resources/ovanta.manifest;${CMAKE_SOURCE_DIR}/resources/ids.h;${CMAKE_SOURCE_DIR}/resources/version_info.rc")

add_library(ovanta_win OBJECT ${OVANTA_WIN_SOURCES})
target_include_directories(ovanta_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(ovanta_win PUBLIC WINVER=0x0601 _WIN32_WINNT=0x0601)

set(OVANTA_WIN_LIBS comctl32 comdlg32 shell32 gdi32 user32 kernel32 uuid)
set(OVANTA_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
set(OVANTA_STRIP $<$<CONFIG:MinSizeRel,Release>:-s>)

add_executable(Ovanta WIN32 app/winmain_win32.cpp
  $<TARGET_OBJECTS:ovanta_core> $<TARGET_OBJECTS:ovanta_solver> $<TARGET_OBJECTS:ovanta_win> $<TARGET_OBJECTS:ovanta_resources>)
target_include_directories(Ovanta PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(Ovanta PRIVATE ${OVANTA_WIN_LIBS})
target_link_options(Ovanta PRIVATE ${OVANTA_STATIC_RUNTIME} ${OVANTA_STRIP})

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  include(cmake/wine-tests.cmake)
endif()

# The yardstick for start-up time and size, and the timer that compares them under Wine.
add_executable(empty_dialog WIN32 bench/yardstick_win32.cpp bench/empty_dialog.rc)
target_compile_definitions(empty_dialog PRIVATE YARDSTICK_TEMPLATE="DlgEmpty")
target_include_directories(empty_dialog PRIVATE ${CMAKE_SOURCE_DIR}/resources)
add_executable(template_dialog WIN32 bench/yardstick_win32.cpp $<TARGET_OBJECTS:ovanta_resources>)
target_compile_definitions(template_dialog PRIVATE YARDSTICK_TEMPLATE="DlgMain")
foreach(yardstick empty_dialog template_dialog)
  target_link_options(${yardstick} PRIVATE ${OVANTA_STATIC_RUNTIME} ${OVANTA_STRIP})
endforeach()
add_executable(startup_timer bench/startup_win32.cpp)
target_link_options(startup_timer PRIVATE ${OVANTA_STATIC_RUNTIME})

# The user guide, typeset from docs/ with pictures and values from real runs of the 64-bit
# program under Wine. It has a folder of its own, which both packages take it from (build/guide
# with the presets); the 64-bit build makes it with the target user_guide (the build preset
# `guide`), never in a plain build: typesetting takes a Wine set-up of its own.
set(OVANTA_GUIDE ${CMAKE_BINARY_DIR}/guide/Ovanta.pdf CACHE FILEPATH "The user guide to put in the packages")
get_filename_component(OVANTA_GUIDE_DIR ${OVANTA_GUIDE} DIRECTORY)
set(OVANTA_GUIDES ${OVANTA_GUIDE_DIR}/Ovanta-ca.pdf ${OVANTA_GUIDE_DIR}/Ovanta-es.pdf)
file(GLOB OVANTA_DOC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.ms ${CMAKE_SOURCE_DIR}/docs/examples.txt)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_custom_command(OUTPUT ${OVANTA_GUIDE}
    COMMAND ${CMAKE_COMMAND} -E env ${OVANTA_TOOLS_ENV}
            ${CMAKE_SOURCE_DIR}/scripts/docs.sh ${CMAKE_BINARY_DIR} ${OVANTA_GUIDE} ${PROJECT_VERSION}
    DEPENDS Ovanta ovanta_drive ${OVANTA_DOC_SOURCES} ${CMAKE_SOURCE_DIR}/scripts/docs.sh
            ${CMAKE_SOURCE_DIR}/scripts/docs_examples.py
    COMMENT "Typesetting the user guide ${OVANTA_GUIDE}" VERBATIM)
  # The Catalan and Spanish editions, beside it.
  foreach(language ca es)
    add_custom_command(OUTPUT ${OVANTA_GUIDE_DIR}/Ovanta-${language}.pdf
      COMMAND ${CMAKE_COMMAND} -E env ${OVANTA_TOOLS_ENV}
              ${CMAKE_SOURCE_DIR}/scripts/docs.sh ${CMAKE_BINARY_DIR} ${OVANTA_GUIDE_DIR}/Ovanta-${language}.pdf
              ${PROJECT_VERSION} ${language}
      DEPENDS Ovanta ovanta_drive ${CMAKE_SOURCE_DIR}/docs/help_${language}.ms ${CMAKE_SOURCE_DIR}/scripts/docs.sh
              ${CMAKE_SOURCE_DIR}/scripts/docs_examples.py
      COMMENT "Typesetting the user guide ${OVANTA_GUIDE_DIR}/Ovanta-${language}.pdf" VERBATIM)
  endforeach()
  add_custom_target(user_guide DEPENDS ${OVANTA_GUIDE} ${OVANTA_GUIDES})
endif()

include(cmake/package.cmake)
