# Cross build for 32-bit Windows with the MinGW-w64 toolchain.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The posix thread model, as MSYS2's compilers have it: googletest needs
# std::mutex, which GCC 12's win32 model lacks. Linked statically, it adds no DLL.
set(XUNZHI_TARGET_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${XUNZHI_TARGET_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${XUNZHI_TARGET_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${XUNZHI_TARGET_TRIPLE}-windres)

# Libraries and headers come from the target's sysroot only; programs (the host
# compiler that builds the icon generator, wine) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${XUNZHI_TARGET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
