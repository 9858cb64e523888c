#!/usr/bin/env bash
# xpdb.exe (run under Wine) and the host xpdb must write byte-identical
# package files for the same inputs and stamp, and read each other's files.
#   xpdb_exe_test.sh WINE_RUN XPDB_EXE HOST_XPDB WORK_DIR
set -euo pipefail
wine_run=$1 exe=$2 host=$3 work=$4
rm -rf "$work"
mkdir -p "$work/in"
fail() { echo "FAIL: $*" >&2; exit 1; }
win() { local p; p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); echo "Z:${p//\//\\}"; }
wine_xpdb() { "$wine_run" "$exe" "$@" | tr -d '\r'; }

printf 'hello package\n' > "$work/in/a.txt"
head -c 200000 /dev/urandom > "$work/in/b.bin"
: > "$work/in/empty.dat"
seq 1 50000 > "$work/in/numbers.txt"
stamp="2011-07-21 10:59:20.671"

"$host" pack "$work/host.bin" --mark m_install --created "$stamp" "$work/in"
wine_xpdb pack "$(win "$work/win.bin")" --mark m_install --created "$stamp" "$(win "$work/in")" >/dev/null
cmp "$work/host.bin" "$work/win.bin" || fail "xpdb.exe packed different bytes than the host xpdb"

# Listing and info agree (the Windows console ends lines with CR LF).
diff <("$host" list "$work/host.bin") <(wine_xpdb list "$(win "$work/host.bin")") || fail "list differs"
diff <("$host" info "$work/host.bin") <(wine_xpdb info "$(win "$work/host.bin")") || fail "info differs"
wine_xpdb check "$(win "$work/win.bin")" >/dev/null || fail "xpdb.exe check fails on a sound file"

# cat is binary-safe on Windows: no CR LF translation of the payload.
"$wine_run" "$exe" cat "$(win "$work/host.bin")" b.bin > "$work/b.out"
cmp "$work/in/b.bin" "$work/b.out" || fail "xpdb.exe cat changed the payload bytes"

# Edits by xpdb.exe are read back by the host.
wine_xpdb put "$(win "$work/win.bin")" c.txt "$(win "$work/in/numbers.txt")" >/dev/null
wine_xpdb rm "$(win "$work/win.bin")" a.txt >/dev/null
"$host" check "$work/win.bin" >/dev/null || fail "host check fails on a file edited by xpdb.exe"
[ "$("$host" list "$work/win.bin" | cut -f2 | tr '\n' ' ')" = "b.bin empty.dat numbers.txt c.txt " ] \
  || fail "unexpected entries after put and rm: $("$host" list "$work/win.bin" | cut -f2 | tr '\n' ' ')"

# A damaged file: one message and a non-zero exit, no crash.
head -c 5000 /dev/urandom > "$work/garbage.bin"
if wine_xpdb check "$(win "$work/garbage.bin")" >/dev/null 2>&1; then fail "check passed on garbage"; fi
echo PASS
