# Cross-compiling for Windows with Debian's mingw-w64 (x86_64-w64-mingw32).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake ...
# Debian has no Qt for mingw, so only the Qt-free parts build this way (tools/windows-check).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ML_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
