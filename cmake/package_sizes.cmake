# Run by CPack after each generator has made its packages (CPACK_PACKAGE_FILES): writes the name
# and size in bytes of each zip and MSI package to CPACK_OVANTA_SIZES, one line each, keeping the lines of the
# packages the other generators made.
set(lines)
if(EXISTS ${CPACK_OVANTA_SIZES})
  file(STRINGS ${CPACK_OVANTA_SIZES} lines)
endif()
set(packages ${CPACK_PACKAGE_FILES})
list(FILTER packages INCLUDE REGEX "\\.(zip|msi)$")
foreach(package IN LISTS packages)
  get_filename_component(name ${package} NAME)
  file(SIZE ${package} size)
  list(FILTER lines EXCLUDE REGEX "^${name} ")
  list(APPEND lines "${name} ${size}")
endforeach()
list(SORT lines)
list(JOIN lines "\n" text)
file(WRITE ${CPACK_OVANTA_SIZES} "${text}\n")
