#!/usr/bin/env bash
# Cross-builds Mbed TLS's mbedcrypto as a static library for x86-64 Windows,
# from Debian's own source package, and prints the install prefix (with
# include/ and lib/). The result is cached under .cache/ keyed by this
# script and the cross compiler, so a rerun only prints the prefix.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
compiler=x86_64-w64-mingw32-g++-posix

key=$( { cat "$0" "$toolchain"; "$compiler" --version | head -1; } | sha256sum | cut -c1-16)
prefix="$root/.cache/mbedtls-windows-$key"
if [ -f "$prefix/lib/libmbedcrypto.a" ] && [ -f "$prefix/include/mbedtls/md.h" ]; then
  echo "$prefix"
  exit 0
fi

work="$(mktemp -d)"
log="$work/log"
twin=/etc/apt/sources.list.d/talven-mbedtls-src.sources
cleanup() {
  rm -f "$twin"
  rm -rf "$work"
}
trap cleanup EXIT

# The source package comes from the same archive as the machine's binary
# packages: a source twin of the configured entry, present only while we
# download.
if [ "$(id -u)" -ne 0 ]; then
  echo "fetching the Mbed TLS source package needs root (apt-get)" >&2
  exit 1
fi
sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$twin"
quiet() { "$@" >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }; }
quiet apt-get update -qq
(cd "$work" && quiet apt-get source --download-only mbedtls)
rm -f "$twin"

tarball=$(ls "$work"/mbedtls_*.orig.tar.* | head -1)
mkdir "$work/src"
tar -xf "$tarball" -C "$work/src" --strip-components=1

rm -rf "$prefix.tmp"
quiet cmake -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DENABLE_TESTING=OFF -DENABLE_PROGRAMS=OFF \
  -DUSE_SHARED_MBEDTLS_LIBRARY=OFF -DUSE_STATIC_MBEDTLS_LIBRARY=ON \
  -DMBEDTLS_FATAL_WARNINGS=OFF -DCMAKE_INSTALL_PREFIX="$prefix.tmp"
quiet cmake --build "$work/build" -j2 --target mbedcrypto
mkdir -p "$prefix.tmp/lib"
cp "$work/build/library/libmbedcrypto.a" "$prefix.tmp/lib/"
mkdir -p "$prefix.tmp/include"
cp -r "$work/src/include/mbedtls" "$work/src/include/psa" "$prefix.tmp/include/"
rm -rf "$prefix"
mv "$prefix.tmp" "$prefix"
echo "$prefix"
