#!/bin/sh
# Compiles or links with the POSIX-thread sibling of the MinGW-w64 compiler CMake chose: the
# default one (win32 threads, GCC 12) lacks std::mutex, which GoogleTest needs.
cc=$1
shift
exec "$cc-posix" "$@"
