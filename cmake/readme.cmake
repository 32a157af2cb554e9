# Writes the package's read-me with its version and architecture, in Windows line ends.
cmake_minimum_required(VERSION 3.25)
file(READ ${IN} text)
string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
string(REPLACE "@ARCH@" "${ARCH}" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
