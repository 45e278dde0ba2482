# Test programs that run under Wine: GoogleTest cross-built with the
# project's compiler. Each program is one CTest test that runs all of its
# cases in one Wine process: starting a Wine program costs about a second of
# its own, more than most cases, so a test per case (and a listing run per
# program to find the cases) would spend most of the suite starting Wine.
# A failing program's output names the failing cases; to run some cases
# alone, pass --gtest_filter to the program (README, "Running one test").
function(lattice_add_wine_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE lattice_wine_test_support ${ARG_LIBRARIES})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
