#!/usr/bin/env bash
# Checks the cross-built DLLs: their export and import tables, then under
# Wine the adapter tables and OrbyMocUtil run as the service KvoMocUtil on a
# system below build 22000 (the autologger settings are written) and on one
# at 22000 (nothing is written).
# Usage: tests/windows/run-wine-checks.sh [build-dir]   (default: build-win)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
here="$root/tests/windows"
build="$(realpath -m "${1:-$root/build-win}")"
export WINEDEBUG=-all
export WINEPREFIX="${TALVEN_WINEPREFIX:-$root/.cache/wine-prefix}"
unset DISPLAY

autologger='HKLM\SYSTEM\CurrentControlSet\Control\WMI\Autologger\KvoMocWbdi'
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

built() {
  local path
  path=$(find "$build" -name "$1" -not -path '*/wine-stage/*' -not -path '*/CMakeFiles/*' | head -1)
  [ -n "$path" ] || { echo "not built: $1 (run scripts/build-windows.sh)" >&2; exit 1; }
  echo "$path"
}

# --- The DLLs export exactly their entry points and need only system DLLs.
system_dlls='^(kernel32|advapi32|wtsapi32|msvcrt)\.dll$'
check_dll() {
  local dll="$1"
  shift
  local dump exports imports
  dump=$(x86_64-w64-mingw32-objdump -p "$dll")
  exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[ *[0-9]*\] //p')
  [ "$exports" = "$(printf '%s\n' "$@")" ] || fail "$(basename "$dll") exports: $(echo $exports)"
  imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
  while read -r import; do
    grep -qiE "$system_dlls" <<<"$import" || fail "$(basename "$dll") imports $import"
  done <<<"$imports"
}
echo "== export and import tables"
check_dll "$(built TalvenMocAdapter.dll)" WbioQueryEngineInterface WbioQuerySensorInterface WbioQueryStorageInterface
check_dll "$(built OrbyMocUtil.dll)" EntryPoint

# --- A Wine prefix that reports Windows 10 (made once, then reused).
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== new Wine prefix $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wine wineboot --init >/dev/null 2>&1
  wineserver -w
  wine winecfg -v win10 >/dev/null 2>&1
  wineserver -w
fi

# The programs and the DLLs side by side, as they would be installed.
stage="$build/wine-stage"
rm -rf "$stage"
mkdir -p "$stage"
for file in TalvenMocAdapter.dll OrbyMocUtil.dll adapter_tables_check.exe service_host.exe; do
  cp "$(built "$file")" "$stage/"
done

echo "== adapter tables"
(cd "$stage" && wine adapter_tables_check.exe) || fail "adapter tables"

# Runs OrbyMocUtil as the service KvoMocUtil on a system of the given build
# and compares what it left in the registry with the expected export (or
# requires the autologger key to be absent when none is given).
service_check() {
  local build_number="$1" expected="${2:-}"
  echo "== service KvoMocUtil on build $build_number"
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentBuildNumber /t REG_SZ \
    /d "$build_number" /f >/dev/null
  wine reg delete "$autologger" /f >/dev/null 2>&1 || true
  wine sc delete KvoMocUtil >/dev/null 2>&1 || true
  wine sc create KvoMocUtil binPath= "$(winepath -w "$stage/service_host.exe")" >/dev/null
  # The service reports itself stopped at once; Wine's sc then answers 1053
  # (no start confirmed in time), so the outcome is read from its status.
  wine sc start KvoMocUtil >/dev/null 2>&1 || true
  local status=""
  for _ in $(seq 50); do
    status=$(wine sc query KvoMocUtil | tr -d '\r')
    grep -qE 'STATE +: 1 +STOPPED' <<<"$status" && break
    sleep 0.2
  done
  # A host that never reached ServiceMain leaves exit code 1077 instead.
  grep -qE 'STATE +: 1 +STOPPED' <<<"$status" || fail "service state: $status"
  grep -qE 'WIN32_EXIT_CODE +: 0 ' <<<"$status" || fail "service exit code: $status"

  if [ -n "$expected" ]; then
    local export_file="$stage/autologger-$build_number.reg"
    wine reg export "$autologger" "$(winepath -w "$export_file")" /y >/dev/null 2>&1 || fail "no autologger key"
    # reg export writes UTF-16 with a byte-order mark and CRLF.
    iconv -f UTF-16LE -t UTF-8 "$export_file" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' > "$export_file.txt"
    diff -u "$expected" "$export_file.txt" || fail "autologger settings differ"
  elif wine reg query "$autologger" >/dev/null 2>&1; then
    fail "autologger key written on build $build_number"
  fi
  wine sc delete KvoMocUtil >/dev/null 2>&1 || true
}
service_check 19045 "$here/autologger-registry.reg"
service_check 22000

wineserver -w
if [ "$failed" -ne 0 ]; then
  echo "Windows checks: FAILED"
  exit 1
fi
echo "Windows checks: ok"
