# Stamps the project's four-part file version into a binary so that it can be
# read back from the file later (the about box and the error dialog do).
# POSIX: a tagged string in the binary; Windows: a VERSIONINFO resource,
# of file type VFT_DLL for a shared or module library and VFT_APP otherwise.
set(LORIVEX_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")

function(lorivex_stamp_version target description)
  set(LORIVEX_FILE_DESCRIPTION "${description}")
  get_target_property(_name ${target} OUTPUT_NAME)
  if(NOT _name)
    set(_name ${target})
  endif()
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "SHARED_LIBRARY" OR _type STREQUAL "MODULE_LIBRARY")
    set(LORIVEX_FILE_TYPE VFT_DLL)
  else()
    set(LORIVEX_FILE_TYPE VFT_APP)
  endif()
  set(LORIVEX_ORIGINAL_NAME "${_name}")
  if(WIN32)
    set(_out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${_out} @ONLY)
  else()
    set(_out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.cpp)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version_stamp.cpp.in ${_out} @ONLY)
  endif()
  target_sources(${target} PRIVATE ${_out})
endfunction()
