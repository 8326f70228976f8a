# Cross-compiles for Windows with Debian's MinGW-w64 (the POSIX threads flavour, whose C++ library
# has std::thread and friends) and runs what it builds under Wine. The toolchain file that
# includes this one names the processor, which picks the compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(mingwTriplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${mingwTriplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingwTriplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingwTriplet}-windres)

# Libraries and headers come from the MinGW tree only, never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${mingwTriplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes are linked in, so an executable needs no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests, and build steps that run a program of the build, run it under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-session run)
