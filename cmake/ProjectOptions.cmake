# Build options shared by every target of the project.

option(LATTICE_SANITIZE "Native build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(LATTICE_WINE_TESTS "Build the test programs that run under Wine" ON)

# Three builds of the same sources on two cores: ccache keeps rebuilds and
# clean clones cheap. The base folder makes its keys independent of where
# the checkout lives, so clones and work trees share one cache.
find_program(LATTICE_CCACHE ccache)
if(LATTICE_CCACHE)
  set(_lattice_launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${LATTICE_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${_lattice_launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${_lattice_launcher})
endif()

if(MSVC)
  add_compile_options(/W4)
else()
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
  # Message maps store every handler as one member-pointer type and cast it
  # back to its own signature when dispatching, as MFC does.
  if(WIN32)
    add_compile_options(-Wno-cast-function-type)
  endif()
endif()

if(LATTICE_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # The product is an ANSI (multibyte) build: every Win32 call takes 8-bit text.
  add_compile_definitions(_MBCS WINVER=0x0601 _WIN32_WINNT=0x0601)
  if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    add_compile_definitions(_DEBUG)
  endif()
endif()

# GoogleTest from the Debian source package, built with the project's compiler
# (natively, or cross-compiled for Wine).
function(lattice_use_googletest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endfunction()
