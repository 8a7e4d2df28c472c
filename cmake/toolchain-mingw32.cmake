# Cross-compiling for Windows with Debian's mingw-w64 (i686-w64-mingw32).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake ...
# Debian has no Qt for mingw, so only the Qt-free parts build this way (tools/windows-check).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(ML_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ML_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${ML_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${ML_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ML_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
