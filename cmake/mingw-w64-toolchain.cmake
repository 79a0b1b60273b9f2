# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the program for 64-bit Windows with Debian's mingw-w64 (posix
# threads) against a static Windows Qt at QT_WINDOWS_PREFIX (a cache or an
# environment variable); tools/windows-build.sh provides one. Qt's host tools
# (moc, rcc, uic) come from Debian's qt6-base-dev-tools of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT QT_WINDOWS_PREFIX AND DEFINED ENV{QT_WINDOWS_PREFIX})
    set(QT_WINDOWS_PREFIX "$ENV{QT_WINDOWS_PREFIX}")
endif()
set(QT_WINDOWS_PREFIX "${QT_WINDOWS_PREFIX}" CACHE PATH "The Windows Qt's prefix")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QT_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Qt's host tools' packages")

# Windows programs the build runs (the icon writer) and the tests run under
# Wine, in a Wine prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
