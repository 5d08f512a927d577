# Cross-build for 64-bit Windows with MinGW-w64 (posix threads flavour).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# pugixml, libzip and giflib, cross-built from Debian's sources by
# cmake/windows-deps.sh into the build folder's deps/prefix.
if(NOT LORIVEX_WINDOWS_DEPS)
  set(LORIVEX_WINDOWS_DEPS "${CMAKE_BINARY_DIR}/deps/prefix" CACHE PATH
      "Prefix of the libraries cross-built by cmake/windows-deps.sh")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LORIVEX_WINDOWS_DEPS)

# Headers, libraries and CMake packages come from the target's roots only:
# the host's Linux builds of the same libraries must never be picked up.
set(CMAKE_FIND_ROOT_PATH "${LORIVEX_WINDOWS_DEPS}" /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The same for pkg-config: our prefix, then MinGW's own (zlib), nothing else.
set(ENV{PKG_CONFIG_LIBDIR} "${LORIVEX_WINDOWS_DEPS}/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
