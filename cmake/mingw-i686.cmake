# Cross build for the panel: 32-bit Windows with the mingw-w64 i686 tools.
# Use: cmake --preset windows, or -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(TAMRI_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TAMRI_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TAMRI_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${TAMRI_MINGW_PREFIX}-windres)

# Headers and libraries come from the target sysroot only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TAMRI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
