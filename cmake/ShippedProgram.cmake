# The shipped QV7UNINSTALL.EXE, built in build/shipped with the win32-threads
# compiler as a stripped release, whatever the test tree's compiler and type.
include(ExternalProject)

set(QV7_SHIPPED_DIR ${CMAKE_BINARY_DIR}/shipped)
set(QV7_SHIPPED_EXE ${QV7_SHIPPED_DIR}/app/QV7UNINSTALL.EXE)

ExternalProject_Add(shipped
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${QV7_SHIPPED_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686-win32.cmake
               -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target QV7UNINSTALL
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${QV7_SHIPPED_EXE}
    INSTALL_COMMAND ""
)
