# x86_64 Windows compiled by Debian's clang-14 against the mingw-w64 headers and libstdc++,
# linked by mingw's g++ (fuzz/CMakeLists.txt sets the link rule): the build scripts/fuzz
# makes for the harnesses and libFuzzer.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR /usr/bin/x86_64-w64-mingw32-ar)
set(CMAKE_RANLIB /usr/bin/x86_64-w64-mingw32-ranlib)
# clang's own driver would link with other defaults than the project's compiler.
set(CMAKE_C_COMPILER_WORKS TRUE)
set(CMAKE_CXX_COMPILER_WORKS TRUE)
set(KRUI_MINGW_GCC_INCLUDE /usr/lib/gcc/x86_64-w64-mingw32/12-posix/include)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${KRUI_MINGW_GCC_INCLUDE}/c++ -isystem ${KRUI_MINGW_GCC_INCLUDE}/c++/x86_64-w64-mingw32 -isystem /usr/x86_64-w64-mingw32/include")
set(CMAKE_C_FLAGS_INIT "-isystem /usr/x86_64-w64-mingw32/include")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
