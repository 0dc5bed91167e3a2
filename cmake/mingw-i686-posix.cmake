# Cross toolchain of the tests: the posix-threads compiler, whose libstdc++
# has the std::thread and std::mutex that GoogleTest and the tests need.
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
