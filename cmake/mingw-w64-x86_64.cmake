# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The programs link statically, so ombrelta.exe needs only the system's DLLs,
# and the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OMBRELTA_MINGW x86_64-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex, which the win32
# model's C++ library lacks. Linked statically, it adds no DLL.
set(CMAKE_C_COMPILER ${OMBRELTA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OMBRELTA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${OMBRELTA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OMBRELTA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
