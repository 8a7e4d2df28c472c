# Cross-compiling the whole program for 64-bit Windows against Qt for mingw-w64, as
# tools/windows/build-qt.sh builds it (the folder it prints on its last line is DIR):
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64-qt.cmake -DCMAKE_PREFIX_PATH=DIR/qt ...
# Debian's posix-thread compilers, the ones that Qt was built with (the default alternative is
# the win32 thread model, whose C++ runtime does not match Qt's DLLs).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ML_MINGW_TRIPLE x86_64-w64-mingw32)
set(ML_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Qt's CMake files are found under the prefix given, which is searched as a root of its own.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})

# The Qt for Windows has no Linguist tools: lrelease, lupdate and lconvert (and Qt's own
# catalogues, see Translations/) come from this machine's Qt of the same version.
if(NOT Qt5LinguistTools_DIR)
    foreach(dir /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake/Qt5LinguistTools
            /usr/lib/cmake/Qt5LinguistTools /usr/lib64/cmake/Qt5LinguistTools)
        if(EXISTS ${dir}/Qt5LinguistToolsConfig.cmake)
            set(Qt5LinguistTools_DIR ${dir} CACHE PATH "The build machine's Qt Linguist tools")
            break()
        endif()
    endforeach()
endif()
