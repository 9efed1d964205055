# Cross build for 64-bit Windows with clang as a second compiler: clang's own front end and
# warnings, lld as the linker, and the MinGW-w64 headers, import libraries and (POSIX-thread)
# libstdc++ of the reference toolchain. Debian's clang does not look for that libstdc++ itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(ORVANE_MINGW_GCC_DIR /usr/lib/gcc/${ORVANE_MINGW_TRIPLE}/12-posix)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${ORVANE_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${ORVANE_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_SYSROOT /usr/${ORVANE_MINGW_TRIPLE})

set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    ${ORVANE_MINGW_GCC_DIR}/include/c++
    ${ORVANE_MINGW_GCC_DIR}/include/c++/${ORVANE_MINGW_TRIPLE}
    ${ORVANE_MINGW_GCC_DIR}/include/c++/backward)
# libstdc++ with POSIX threads needs winpthread, which clang's driver does not add.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${ORVANE_MINGW_GCC_DIR} -lpthread")

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
