# The packages, made by CPack from the install rules below: Ovanta-<version>-<arch>.zip, a folder
# to unzip and run, holding the program, its guide and a short read-me.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(OVANTA_ARCH win64)
else()
  set(OVANTA_ARCH win32)
endif()

# The read-me names the version and architecture, in Windows line ends.
set(OVANTA_README ${CMAKE_BINARY_DIR}/readme.txt)
configure_file(docs/readme.txt ${OVANTA_README} @ONLY NEWLINE_STYLE CRLF)

install(TARGETS Ovanta RUNTIME DESTINATION .)
install(FILES ${OVANTA_GUIDE} ${OVANTA_README} DESTINATION .)

set(CPACK_PACKAGE_NAME Ovanta)
set(CPACK_PACKAGE_VENDOR "Ovanta Workshop")
set(CPACK_PACKAGE_FILE_NAME Ovanta-${PROJECT_VERSION}-${OVANTA_ARCH})
set(CPACK_GENERATOR ZIP)
set(OVANTA_ZIP ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip)
include(CPack)  # leaves CPACK_PACKAGE_FILE_NAME set to the source package's name

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_test(NAME wine.package COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine/test_package.sh ${OVANTA_WINE_DIR}
    ${OVANTA_ZIP} ${CMAKE_BINARY_DIR}/package-test $<TARGET_FILE:ovanta_wine_tests>)
  set_tests_properties(wine.package PROPERTIES FIXTURES_REQUIRED wine LABELS wine RUN_SERIAL TRUE
    TIMEOUT 120 REQUIRED_FILES ${OVANTA_ZIP} ENVIRONMENT "OVANTA_PROBE=$<TARGET_FILE:ovanta_probe>")
endif()
