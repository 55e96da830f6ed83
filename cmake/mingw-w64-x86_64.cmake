# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's mingw-w64. The posix-threads compilers are named
# outright: the win32-threads ones are the system's default alternative and lack std::thread.
# Give the Windows Qt (and GoogleTest) in CMAKE_PREFIX_PATH; the Qt build tools (moc, rcc, uic,
# lrelease) are the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PROBEX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PROBEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PROBEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PROBEX_MINGW_TRIPLE}-windres)

# Libraries, headers and packages only from the target's folders; programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${PROBEX_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr CACHE PATH "Qt for the build machine, whose tools the cross build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of QT_HOST_PATH")

# GCC 12's -Wrestrict misfires on std::string code inlined at -O3 (GCC bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
