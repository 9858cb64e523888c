#!/usr/bin/env bash
# Writes shortcuts with the Windows service under Wine and parses them with
# the host's lnkinfo, an independent reader of the shortcut file format.
#   shortcut_lnkinfo.sh WINE_RUN WRITER.exe LNKINFO OUTDIR
set -euo pipefail
wine_run=$1 writer=$2 lnkinfo=$3 out=$4

rm -rf "$out"
mkdir -p "$out/Zar Irovid"
cp "$writer" "$out/Zar Irovid/ZarIrovid.exe"   # any existing program serves as target

# Host paths reach Wine through its Z: drive.
dos() { printf 'Z:%s' "${1//\//\\}"; }
target=$(dos "$out/Zar Irovid/ZarIrovid.exe")
folder=$(dos "$out/Zar Irovid/")
fail=0
check() {  # check FILE LABEL EXPECTED
    local got
    got=$(sed -n "s/^[[:space:]]*$2[[:space:]]*:[[:space:]]*//p" "$1" | head -n1)
    if [ "$got" != "$3" ]; then
        echo "FAIL: $2 is '$got', expected '$3'" >&2
        fail=1
    fi
}

"$wine_run" "$writer" "$(dos "$out/player.lnk")" "$target" "Vadode播放器2010"
"$lnkinfo" "$out/player.lnk" > "$out/player.txt"
cat "$out/player.txt"
check "$out/player.txt" "Local path" "$target"
check "$out/player.txt" "Working directory" "$folder"
check "$out/player.txt" "Description" "Vadode播放器2010"

# Upper-case extension is accepted as well.
"$wine_run" "$writer" "$(dos "$out/UPPER.LNK")" "$target" "x"
"$lnkinfo" "$out/UPPER.LNK" > "$out/upper.txt"
check "$out/upper.txt" "Working directory" "$folder"

# Another extension is refused (exit 2) and nothing is written.
set +e
"$wine_run" "$writer" "$(dos "$out/player.url")" "$target" "x"
rc=$?
set -e
if [ "$rc" != 2 ] || [ -e "$out/player.url" ]; then
    echo "FAIL: .url gave exit $rc" >&2
    fail=1
fi
exit $fail
