# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, posix thread model
# (the one Qt is built with). Qt itself comes through CMAKE_PREFIX_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HDDCALC_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HDDCALC_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HDDCALC_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HDDCALC_MINGW_TRIPLE}-windres)

# Libraries and headers of the target only; programs (moc, rcc, wine) of the host.
set(CMAKE_FIND_ROOT_PATH /usr/${HDDCALC_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
