# Shared part of the mingw-w64 cross toolchains (Debian's g++-mingw-w64-i686 / -x86-64).
# The including file sets QT_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

# The "win32" thread model: no winpthread DLL to ship or link.
set(CMAKE_C_COMPILER ${QT_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${QT_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${QT_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${QT_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${QT_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")
set(QT_MINGW_OBJDUMP ${QT_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${QT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes are linked in: a module or program needs only the system's DLLs.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Programs built here run under Wine (64-bit Wine runs x86_64 programs, wine32 runs i686).
find_program(QT_WINE NAMES wine)
if(QT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QT_WINE})
endif()
