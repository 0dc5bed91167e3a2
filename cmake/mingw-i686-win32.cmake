# Cross toolchain of the shipped program: the win32-threads compiler, which
# links no threads runtime, so nothing newer than Windows 95 and NT 4.0 is
# imported on its behalf.
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
