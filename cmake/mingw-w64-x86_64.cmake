# Cross-building for 64-bit Windows with Debian's MinGW-w64 (g++ with POSIX threads, so
# that std::thread and std::mutex are there). Test programs run under Wine: CTest starts
# each through the emulator below. Used by `make test-windows`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLLMARK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLLMARK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLLMARK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLLMARK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLLMARK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime linked in, so a test program or tollmark-cli.exe runs under Wine (or on
# a Windows machine) without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TOLLMARK_WINE NAMES wine wine64)
if(TOLLMARK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TOLLMARK_WINE})
endif()
