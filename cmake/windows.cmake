# Windows build with MinGW-w64: Ovanta.exe, and on x86_64 the tests that run under Wine.
enable_language(RC)
# A dialog program gains nothing from -O3's code growth: optimise the release exe for size.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(OVANTA_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(OVANTA_ART ${OVANTA_ART_DIR}/Ic0.ico ${OVANTA_ART_DIR}/IcY0.ico ${OVANTA_ART_DIR}/picture.bmp)
foreach(dpi 120 144 168 192)
  list(APPEND OVANTA_ART ${OVANTA_ART_DIR}/picture${dpi}.bmp)
endforeach()
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
  $<TARGET_OBJECTS:ovanta_core> $<TARGET_OBJECTS:ovanta_solver> $<TARGET_OBJECTS:ovanta_win> $<TARGET_OBJECTS:ovanta_resources>)
target_include_directories(Ovanta PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(Ovanta PRIVATE ${OVANTA_WIN_LIBS})
target_link_options(Ovanta PRIVATE ${OVANTA_STATIC_RUNTIME} $<$<CONFIG:Release>:-s>)

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
  target_link_options(${yardstick} PRIVATE ${OVANTA_STATIC_RUNTIME} $<$<CONFIG:Release>:-s>)
endforeach()
add_executable(startup_timer bench/startup_win32.cpp)
target_link_options(startup_timer PRIVATE ${OVANTA_STATIC_RUNTIME})

# The user guide, typeset from docs/ with pictures and values from real runs under Wine (needs
# the 64-bit program; a 32-bit build takes the guide from OVANTA_GUIDE).
file(GLOB OVANTA_DOC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.ms ${CMAKE_SOURCE_DIR}/docs/examples.txt)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(OVANTA_GUIDE ${CMAKE_BINARY_DIR}/Ovanta.pdf)
  add_custom_command(OUTPUT ${OVANTA_GUIDE}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/docs.sh ${CMAKE_BINARY_DIR} ${OVANTA_GUIDE} ${PROJECT_VERSION}
    DEPENDS Ovanta ovanta_drive ${OVANTA_DOC_SOURCES} ${CMAKE_SOURCE_DIR}/scripts/docs.sh
            ${CMAKE_SOURCE_DIR}/scripts/docs_examples.py
    COMMENT "Typesetting the user guide Ovanta.pdf")
  add_custom_target(user_guide ALL DEPENDS ${OVANTA_GUIDE})
  set(OVANTA_PACKAGE_ALL ALL)
else()
  set(OVANTA_GUIDE "" CACHE FILEPATH "The user guide to put in the package")
  set(OVANTA_PACKAGE_ALL "")
endif()

# Ovanta-<version>-<arch>.zip: the program, its guide and a short read-me, to unzip and run.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(OVANTA_ARCH win64)
else()
  set(OVANTA_ARCH win32)
endif()
set(OVANTA_ZIP ${CMAKE_BINARY_DIR}/Ovanta-${PROJECT_VERSION}-${OVANTA_ARCH}.zip)
set(OVANTA_STAGE ${CMAKE_BINARY_DIR}/package/Ovanta-${PROJECT_VERSION}-${OVANTA_ARCH})
add_custom_command(OUTPUT ${OVANTA_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${OVANTA_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${OVANTA_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Ovanta> ${OVANTA_GUIDE} ${OVANTA_STAGE}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/docs/readme.txt -DOUT=${OVANTA_STAGE}/readme.txt
          -DVERSION=${PROJECT_VERSION} -DARCH=${OVANTA_ARCH} -P ${CMAKE_SOURCE_DIR}/cmake/readme.cmake
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
          ${CMAKE_COMMAND} -E tar cf ${OVANTA_ZIP} --format=zip Ovanta-${PROJECT_VERSION}-${OVANTA_ARCH}
  DEPENDS Ovanta ${OVANTA_GUIDE} ${CMAKE_SOURCE_DIR}/docs/readme.txt ${CMAKE_SOURCE_DIR}/cmake/readme.cmake
  COMMENT "Packing ${OVANTA_ZIP}")
add_custom_target(package_zip ${OVANTA_PACKAGE_ALL} DEPENDS ${OVANTA_ZIP})
# The guide is made by its own target only: two targets running its command at once would
# share one Wine set-up and one work folder.
if(TARGET user_guide)
  add_dependencies(package_zip user_guide)
endif()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_test(NAME wine.package COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/test_package.sh ${OVANTA_WINE_DIR}
    ${OVANTA_ZIP} ${CMAKE_BINARY_DIR}/package-test $<TARGET_FILE:ovanta_wine_tests>)
  set_tests_properties(wine.package PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE
    TIMEOUT 120 REQUIRED_FILES ${OVANTA_ZIP} ENVIRONMENT "OVANTA_PROBE=$<TARGET_FILE:ovanta_probe>")
endif()
