#!/usr/bin/env bash
# Installs what the Windows build and its checks need, when any is missing:
# the MinGW-w64 cross compiler (its posix thread model gives std::mutex and
# std::thread), its tools, and Wine to run the DLLs' checks.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" cmake make g++-mingw-w64-x86-64 mingw-w64-tools wine wine64
