# Shared part of the two mingw-w64 toolchains. The -posix compilers are the
# ones with std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${LATTICE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LATTICE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LATTICE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LATTICE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every module carries its own copy of the GCC runtime; the C runtime
# (msvcrt.dll) is the system's and is shared, so memory allocated in one
# module may be freed in another.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# A DLL exports what its sources mark for export, never the symbols of the
# static runtime it carries.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,ALL")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)
