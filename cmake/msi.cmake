# Run by CPack's External generator with the install tree staged in CPACK_TEMPORARY_DIRECTORY:
# packs it into an MSI package with scripts/msi.sh; CPack copies the package beside the zip.
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_OVANTA_MSI_NAME})
execute_process(
  COMMAND ${CPACK_OVANTA_MSI_SCRIPT} ${CPACK_TEMPORARY_DIRECTORY} ${msi} ${CPACK_OVANTA_MSI_ARCH}
          ${CPACK_PACKAGE_VERSION} ${CPACK_OVANTA_ICON} ${CPACK_PACKAGE_VENDOR}
  COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
