# The Windows build's third-party libraries: pugixml, libzip and giflib,
# cross-built from Debian's sources by cmake/windows-deps.sh into
# LORIVEX_WINDOWS_DEPS (set by cmake/mingw-w64.cmake), where find_package and
# pkg_check_modules find them as they find Debian's packages on Linux.

# Everything links statically (-static), so a library found by name must be
# the archive: MinGW's usual order prefers an import library (libz.dll.a),
# which would make the program need zlib1.dll after all.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

foreach(file include/pugixml.hpp lib/libpugixml.a include/zip.h lib/libzip.a
             lib/pkgconfig/libzip.pc include/gif_lib.h lib/libgif.a)
  if(NOT EXISTS "${LORIVEX_WINDOWS_DEPS}/${file}")
    message(FATAL_ERROR "${LORIVEX_WINDOWS_DEPS}/${file} is missing: the Windows builds of "
            "pugixml, libzip and giflib come from cmake/windows-deps.sh ${CMAKE_BINARY_DIR} "
            "(./build.sh test runs it before configuring)")
  endif()
endforeach()
