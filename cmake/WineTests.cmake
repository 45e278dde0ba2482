# Test programs that run under Wine: GoogleTest cross-built with the
# project's compiler, each program's tests discovered when CTest runs (inside
# the Wine session; discovery at build time would have no display). Listing
# a program starts it under Wine, which on a busy machine can take a while.
# Each case runs in a Wine process of its own: one program running all its
# cases was a third quicker, but a case that drives the real pointer then
# met pointer events of the case before it, which Wine delivers late on a
# busy machine (from the X server's warps of the cursor).
include(GoogleTest)

function(lattice_add_wine_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE lattice_wine_test_support ${ARG_LIBRARIES})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 180
    PROPERTIES TIMEOUT 120)
endfunction()
