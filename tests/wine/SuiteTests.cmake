# Run by ctest before any test (the test programs' TEST_INCLUDE_FILES): adds
# one test per GoogleTest suite of a Windows test program, run under Wine.
# Every start of a program under Wine costs a good part of a second, so a
# suite's cases run in one start; the suite's result is theirs, and its
# output names each case that failed or was skipped.
#
# Set by the include file tests/CMakeLists.txt writes:
#   LVX_PROGRAM     the test program
#   LVX_EMULATOR    the command that runs it (tests/wine/exec.sh BUILD_DIR)
#   LVX_SUITES      where the list of suites is kept between runs
#   LVX_PROPERTIES  the properties of every test
#
# The program is asked for its tests only when it is newer than the list,
# before the Wine session starts (tests/wine/session.sh).

if(NOT EXISTS "${LVX_PROGRAM}")
  add_test(${LVX_PROGRAM}_NOT_BUILT ${LVX_PROGRAM})
  return()
endif()

if(NOT EXISTS "${LVX_SUITES}" OR "${LVX_PROGRAM}" IS_NEWER_THAN "${LVX_SUITES}")
  execute_process(COMMAND ${LVX_EMULATOR} "${LVX_PROGRAM}" --gtest_list_tests
                  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status
                  TIMEOUT 300)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Listing the tests of ${LVX_PROGRAM} failed (${status}):\n${listing}\n${errors}")
  endif()
  string(REPLACE "\r" "" listing "${listing}")
  string(REPLACE ";" "" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  set(suites "")
  set(suite "")
  set(cases 0)
  foreach(line IN LISTS lines)
    if(line MATCHES "^([A-Za-z0-9_/]+)\\.")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([A-Za-z0-9_/]+)" AND NOT suite STREQUAL "")
      # A suite counts when it has a case that runs.
      if(NOT suite MATCHES "^DISABLED_" AND NOT CMAKE_MATCH_1 MATCHES "^DISABLED_")
        list(APPEND suites "${suite}")
        math(EXPR cases "${cases} + 1")
      endif()
    endif()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  if(cases EQUAL 0)
    message(FATAL_ERROR "${LVX_PROGRAM} lists no tests:\n${listing}")
  endif()
  file(WRITE "${LVX_SUITES}" "${suites}")
endif()

file(READ "${LVX_SUITES}" suites)
foreach(suite IN LISTS suites)
  add_test("${suite}.*" ${LVX_EMULATOR} "${LVX_PROGRAM}" "--gtest_filter=${suite}.*")
  set_tests_properties("${suite}.*" PROPERTIES ${LVX_PROPERTIES})
endforeach()
