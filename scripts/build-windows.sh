#!/usr/bin/env bash
# Cross-compiles both modules (TalvenMocAdapter.dll, OrbyMocUtil.dll) and the
# Windows check programs for x86-64 Windows with MinGW-w64.
# Usage: scripts/build-windows.sh [build-dir]   (default: build-win)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-win}")"

"$root/scripts/install-windows-deps.sh"
mbedtls="$("$root/scripts/build-mbedtls-windows.sh")"

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DTALVEN_MBEDTLS_PREFIX="$mbedtls" >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
