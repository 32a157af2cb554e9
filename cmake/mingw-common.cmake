# MinGW-w64 cross compilers with the posix thread model (GoogleTest needs std::mutex).
set(CMAKE_C_COMPILER ${OVANTA_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OVANTA_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${OVANTA_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${OVANTA_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Each function and datum in a section of its own, so that the linker leaves out what nothing uses.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
