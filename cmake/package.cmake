# The packages, made by CPack from the install rules below and cmake/cli.cmake's: the program, the
# command-line solver, the guide and a short read-me, as
#  - Ovanta-<version>-<win64|win32>.zip, a folder to unzip and run, and
#  - Ovanta-<version>-<x64|x86>.msi, a per-user Windows Installer package (installer/ovanta.wxs),
#    which CPack's External generator has scripts/msi.sh build from the staged files.
# Each package's size goes to package-sizes.txt in the build folder (scripts/figures.py puts
# them in the README).
# The architecture is the pointers' size: CMAKE_SYSTEM_PROCESSOR says x86_64 when cross-compiling
# here but AMD64 in a native MSYS2 build.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(OVANTA_ARCH win64)
  set(OVANTA_MSI_ARCH x64)
else()
  set(OVANTA_ARCH win32)
  set(OVANTA_MSI_ARCH x86)
endif()

# The read-me names the version and architecture, in Windows line ends.
set(OVANTA_README ${CMAKE_BINARY_DIR}/readme.txt)
configure_file(docs/readme.txt ${OVANTA_README} @ONLY NEWLINE_STYLE CRLF)

install(TARGETS Ovanta RUNTIME DESTINATION .)
install(FILES ${OVANTA_GUIDE} ${OVANTA_GUIDES} ${OVANTA_README} DESTINATION .)

set(CPACK_PACKAGE_NAME Ovanta)
set(CPACK_PACKAGE_VENDOR ${OVANTA_PUBLISHER})
set(CPACK_PACKAGE_FILE_NAME Ovanta-${PROJECT_VERSION}-${OVANTA_ARCH})
set(CPACK_GENERATOR ZIP External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_SOURCE_DIR}/cmake/msi.cmake)
set(CPACK_OVANTA_MSI_NAME Ovanta-${PROJECT_VERSION}-${OVANTA_MSI_ARCH}.msi)
set(CPACK_OVANTA_MSI_ARCH ${OVANTA_MSI_ARCH})
set(CPACK_OVANTA_MSI_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/msi.sh)
set(CPACK_OVANTA_ICON ${OVANTA_ART_DIR}/Ic0.ico)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package_sizes.cmake)
set(CPACK_OVANTA_SIZES ${CMAKE_BINARY_DIR}/package-sizes.txt)
set(OVANTA_ZIP ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip)
set(OVANTA_MSI ${CMAKE_BINARY_DIR}/${CPACK_OVANTA_MSI_NAME})
include(CPack)  # leaves CPACK_PACKAGE_FILE_NAME set to the source package's name

if(TARGET ovanta_wine_tests)
  add_test(NAME wine.package COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/test_package.sh ${OVANTA_WINE_DIR}
    ${OVANTA_ZIP} ${CMAKE_BINARY_DIR}/package-test $<TARGET_FILE:ovanta_wine_tests>)
  set_tests_properties(wine.package PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE
    TIMEOUT 120 REQUIRED_FILES ${OVANTA_ZIP} ENVIRONMENT "OVANTA_PROBE=$<TARGET_FILE:ovanta_probe>")
endif()

# The 64-bit MSI package installed silently for the run's Wine user over an older one, used,
# replaced by other builds of its version, then removed silently: scripts/wine/test_msi.sh, with
# the tests Installed.* in between.
if(TARGET ovanta_wine_tests)
  target_link_libraries(ovanta_wine_tests PRIVATE ole32 uuid msi version)
  add_test(NAME wine.msi COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/test_msi.sh ${OVANTA_WINE_DIR}
    ${OVANTA_MSI} ${CMAKE_BINARY_DIR}/msi-test $<TARGET_FILE:ovanta_wine_tests>)
  set_tests_properties(wine.msi PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE
    TIMEOUT 120 REQUIRED_FILES ${OVANTA_MSI} ENVIRONMENT
    "OVANTA_EXE=$<TARGET_FILE:Ovanta>;OVANTA_SOLVE=$<TARGET_FILE:ovanta-solve>;OVANTA_GUIDE=${OVANTA_GUIDE};OVANTA_README=${OVANTA_README};OVANTA_ICON=${CPACK_OVANTA_ICON};OVANTA_PUBLISHER=${OVANTA_PUBLISHER};OVANTA_PROBE=$<TARGET_FILE:ovanta_probe>")
endif()
