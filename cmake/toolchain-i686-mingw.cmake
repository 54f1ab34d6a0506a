# The product: 32-bit modules, as the logbook loads them.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZVK_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
