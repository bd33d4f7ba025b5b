# Cross-building the whole tree, window included, for 64-bit Windows with Qt for
# MinGW-w64 (a Qt built with the same compiler as DLLs; `make test-windows` unpacks one
# into the build tree). The compiler, Wine as the emulator and the find rules are those
# of mingw-w64-x86_64.cmake; this adds the Qt folder (TOLLMARK_QT_MINGW_DIR, its Windows
# libraries and CMake packages; moc, rcc and uic come from this machine's Qt through
# QT_HOST_PATH) and links the C++ runtime as DLLs, as Qt's own DLLs do: one runtime for
# the program and Qt, so exceptions and heap blocks may cross between them.
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TOLLMARK_QT_MINGW_DIR)
if(NOT TOLLMARK_QT_MINGW_DIR)
    set(TOLLMARK_QT_MINGW_DIR "$ENV{TOLLMARK_QT_MINGW_DIR}")
endif()
if(TOLLMARK_QT_MINGW_DIR)
    list(PREPEND CMAKE_FIND_ROOT_PATH "${TOLLMARK_QT_MINGW_DIR}")
    list(PREPEND CMAKE_PREFIX_PATH "${TOLLMARK_QT_MINGW_DIR}")
endif()
if(NOT QT_HOST_PATH)
    set(QT_HOST_PATH /usr CACHE PATH "Qt of this machine whose moc, rcc and uic are used")
endif()
set(CMAKE_EXE_LINKER_FLAGS_INIT "")
