# Shared by the MinGW-w64 toolchain files; ZVK_MINGW_TRIPLE selects the target.
set(CMAKE_SYSTEM_NAME Windows)
# -posix: GoogleTest needs std::mutex, which the win32 thread model lacks.
set(CMAKE_C_COMPILER ${ZVK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZVK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZVK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZVK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Everything static: the modules import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
