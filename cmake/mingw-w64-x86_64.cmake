# Cross build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# Executables built here run under Wine when it is installed (CMAKE_CROSSCOMPILING_EMULATOR),
# so CTest and GoogleTest's test discovery work unchanged. Extra prefixes holding Windows
# builds of dependencies (GoogleTest) are given in QIRA_WINDOWS_PREFIXES.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QIRA_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread model: std::thread and std::mutex come from winpthread, linked statically.
find_program(CMAKE_C_COMPILER NAMES ${QIRA_MINGW_TRIPLE}-gcc-posix ${QIRA_MINGW_TRIPLE}-gcc)
find_program(CMAKE_CXX_COMPILER NAMES ${QIRA_MINGW_TRIPLE}-g++-posix ${QIRA_MINGW_TRIPLE}-g++)
find_program(CMAKE_RC_COMPILER NAMES ${QIRA_MINGW_TRIPLE}-windres)
find_program(CMAKE_OBJDUMP NAMES ${QIRA_MINGW_TRIPLE}-objdump objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${QIRA_MINGW_TRIPLE} ${QIRA_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler runtime (libgcc, libstdc++, winpthread) is linked statically, so that the
# DLL and the executables import only KERNEL32 and the C runtime.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

find_program(QIRA_WINE NAMES wine64 wine)
if(QIRA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QIRA_WINE})
endif()
