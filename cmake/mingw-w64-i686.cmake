# 32-bit Windows. Its programs run under Wine only where Debian's wine32 is installed.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
