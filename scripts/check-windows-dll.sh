#!/usr/bin/env bash
# Builds the 32-bit Windows module with mingw-w64 and inspects it statically:
# this machine cannot run 32-bit Windows code, so everything is read from the
# PE headers, the export and import tables and the read-only data.
#
# Usage: scripts/check-windows-dll.sh [--no-build] [--build-dir DIR]
#   --no-build       inspect an existing build instead of configuring and building
#   --build-dir DIR  build tree to use (default: build-windows, the `windows` preset's)
# JOBS=n limits the build's parallel jobs.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

build=1
build_dir="build-windows"
while [ $# -gt 0 ]; do
  case "$1" in
    --no-build) build=0 ;;
    --build-dir)
      build_dir="${2:?--build-dir needs a directory}"
      shift
      ;;
    *)
      echo "usage: $0 [--no-build] [--build-dir DIR]" >&2
      exit 2
      ;;
  esac
  shift
done

readonly OBJDUMP=i686-w64-mingw32-objdump
readonly OBJCOPY=i686-w64-mingw32-objcopy
readonly STRINGS=i686-w64-mingw32-strings
readonly MARKER='##DLM_AppVersion##1.2.0.2004'
readonly PLATFORM_MODULES=(IVM JivoTamri GDI MORVcore)

failures=0
pass() { echo "PASS: $*"; }
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

for tool in "$OBJDUMP" "$OBJCOPY" "$STRINGS"; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool not found (Debian: binutils-mingw-w64-i686)"
    exit 1
  }
done

if [ "$build" = 1 ]; then
  jobs=()
  [ -n "${JOBS:-}" ] && jobs=(-j "$JOBS")
  if [ "$build_dir" = build-windows ]; then
    cmake --preset windows && cmake --build --preset windows "${jobs[@]}"
  else
    cmake --preset windows -B "$build_dir" && cmake --build "$build_dir" "${jobs[@]}"
  fi || {
    echo "FAIL: the windows build did not succeed"
    exit 1
  }
fi

module="$build_dir/module/TamriGraphics.dlm"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Export name table of a PE file, one name a line, sorted.
export_names() {
  "$OBJDUMP" -p "$1" 2>/dev/null | awk '
    /^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
    inside && /^\t\[ *[0-9]+\] / { sub(/^\t\[ *[0-9]+\] /, ""); print; next }
    inside { exit }' | sort
}

# Import tables of a PE file as "dll<TAB>name" lines.
import_entries() {
  "$OBJDUMP" -p "$1" 2>/dev/null | awk '
    /^The Import Tables/ { inside = 1; next }
    /^The Export Tables|^PE File Base Relocations/ { inside = 0 }
    !inside { next }
    /^\tDLL Name: / { dll = $3; next }
    /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+/ { print dll "\t" $3 }'
}

imported_dlls() {
  "$OBJDUMP" -p "$1" 2>/dev/null | awk '/^\tDLL Name: / { print $3 }'
}

# PE32 for i386 and a DLL: file format, optional-header magic, characteristics.
check_pe32_dll() {
  local file="$1" headers
  if [ ! -f "$file" ]; then
    fail "$file exists"
    return 1
  fi
  headers="$("$OBJDUMP" -p "$file" 2>&1)"
  if ! grep -q 'file format pei-i386$' <<<"$headers"; then
    fail "$file is pei-i386 ($(grep -o 'file format .*' <<<"$headers" | head -1))"
    return 1
  elif ! grep -Eq $'^Magic\t+010b\t\\(PE32\\)' <<<"$headers"; then
    fail "$file has the PE32 optional header"
    return 1
  elif ! awk '/^Characteristics/ { c = 1; next } c && /^$/ { exit }
              c && $1 == "DLL" { found = 1 } END { exit !found }' <<<"$headers"; then
    fail "$file is a DLL (characteristics lack DLL)"
    return 1
  else
    pass "$file is a PE32 i386 DLL"
  fi
}

check_platform_modules() {
  local name
  for name in "${PLATFORM_MODULES[@]}"; do
    check_pe32_dll "$build_dir/platform/$name.dlm"
  done
}

finish() {
  if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
  exit 0
}

# --- the module ---------------------------------------------------------------
# The table checks below mean nothing on a file of another kind.
if ! check_pe32_dll "$module"; then
  check_platform_modules
  finish
fi

# Expected exports: the version query and the sixteen class initialisations,
# as the Linux library's (tests/references/exports.txt).
sort tests/references/exports.txt >"$work/expected"
export_names "$module" >"$work/exports"
if cmp -s "$work/expected" "$work/exports"; then
  pass "exports exactly $(wc -l <"$work/expected") C names: $(paste -sd' ' "$work/expected")"
else
  fail "export name table differs from the expected names (< expected, > exported):"
  diff "$work/expected" "$work/exports" | grep '^[<>]' | sed 's/^/      /'
fi

# Imports: the four platform modules and the Windows C runtime and kernel only.
bad_dlls="$(imported_dlls "$module" |
  grep -Eiv '^(IVM\.dlm|JivoTamri\.dlm|GDI\.dlm|MORVcore\.dlm|KERNEL32\.dll|msvcrt\.dll|api-ms-win-crt-.*\.dll)$')"
if [ -z "$bad_dlls" ]; then
  pass "imports only from: $(imported_dlls "$module" | paste -sd' ')"
else
  fail "imports from modules outside the platform and the C runtime: $(paste -sd' ' <<<"$bad_dlls")"
fi

# Every name taken from a platform module is a C name that module exports.
import_entries "$module" >"$work/imports"
for name in "${PLATFORM_MODULES[@]}"; do
  dll="$build_dir/platform/$name.dlm"
  awk -F'\t' -v m="$name.dlm" 'tolower($1) == tolower(m) { print $2 }' "$work/imports" |
    sort >"$work/from_$name"
  [ -s "$work/from_$name" ] || continue
  decorated="$(grep -Ev '^[A-Za-z][A-Za-z0-9_]*$' "$work/from_$name")"
  if [ -n "$decorated" ]; then
    fail "names imported from $name.dlm are plain C names: $(paste -sd' ' <<<"$decorated")"
  fi
  if [ -f "$dll" ]; then
    unresolved="$(comm -23 "$work/from_$name" <(export_names "$dll"))"
    if [ -z "$unresolved" ]; then
      pass "$(wc -l <"$work/from_$name") imports from $name.dlm resolve against its exports"
    else
      fail "imports not exported by $name.dlm: $(paste -sd' ' <<<"$unresolved")"
    fi
  fi
done

# The version marker sits in the read-only data, as a string of its own.
# All strings are read before grep looks: grep -q closing a pipe early would
# fail the pipe under pipefail.
if "$OBJCOPY" -O binary --only-section=.rdata "$module" "$work/rdata" 2>/dev/null &&
  grep -Fxq "$MARKER" <<<"$("$STRINGS" -a -n 8 "$work/rdata")"; then
  pass "marker \"$MARKER\" is in .rdata"
else
  fail "marker \"$MARKER\" is in .rdata"
fi

# Floating point in SSE2 only: x87 arithmetic keeps extended precision and can
# truncate differently from the host build. Only the module's own objects are
# read (the GCC runtime linked into the DLL is not ours); loading and storing
# st(0) is how 32-bit Windows returns a double and may stay.
objects_dir="$build_dir/module/CMakeFiles/TamriGraphicsObjects.dir"
mapfile -t objects < <(find "$objects_dir" -name '*.obj' 2>/dev/null | sort)
if [ "${#objects[@]}" -eq 0 ]; then
  fail "the module's object files are in $objects_dir"
else
  x87_found=0
  for object in "${objects[@]}"; do
    x87="$("$OBJDUMP" -d --no-show-raw-insn "$object" | awk -F'\t' '
      NF >= 2 { split($2, word, " "); op = word[1] }
      NF >= 2 && op ~ /^f/ && op !~ /^(fld|flds|fldl|fstp|fstps|fstpl)$/ { count[op]++ }
      END { for (op in count) printf "%s %d, ", op, count[op] }')"
    if [ -n "$x87" ]; then
      fail "x87 arithmetic in ${object#"$objects_dir"/}: ${x87%, }"
      x87_found=1
    fi
  done
  [ "$x87_found" = 0 ] && pass "no x87 arithmetic in the module's ${#objects[@]} object files"
fi

# --- the platform stand-ins -----------------------------------------------------
check_platform_modules
finish
