# Cross-builds the Windows side with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix) and runs
# the resulting test programs under Wine (wine64), so that the Windows code paths are tested
# on Linux too.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
if(NOT CMAKE_FIND_ROOT_PATH_MODE_PACKAGE)  # Qt's own build looks for Debian's host Qt too
    set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
endif()

if(TARNWICK_QT_MINGW_DIR)
    # Qt for Windows (scripts/build-qt-mingw.sh). Its DLLs load the compiler's DLLs, so the
    # programs load them as well rather than holding a second copy.
    list(APPEND CMAKE_FIND_ROOT_PATH "${TARNWICK_QT_MINGW_DIR}")
    list(APPEND CMAKE_PREFIX_PATH "${TARNWICK_QT_MINGW_DIR}")
else()
    # The compiler's own libraries linked in, so that the programs need no DLLs beside them.
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

find_program(TARNWICK_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(TARNWICK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${TARNWICK_WINE};${CMAKE_BINARY_DIR}/wine-prefix")
endif()
