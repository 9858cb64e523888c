#!/usr/bin/env bash
# scripts/lib/apt.sh against a stubbed apt-get: an update that fails once,
# an update that never succeeds, and an install that fails with the
# "not installable" message until the one-suite pin is in place.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
export VD_APT_PAUSE=0 VD_APT_PREFS="$work/prefs.d/one-suite" STUB_DIR=$work
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "$*" >>"$STUB_DIR/calls"
case $1 in
  update)
    n=$(grep -c '^update' "$STUB_DIR/calls")
    if [ "$n" -le "${UPDATE_FAILS:-0}" ]; then
      echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi ;;
  install)
    if [ ! -f "$VD_APT_PREFS" ] || [ -n "${INSTALL_ALWAYS_FAILS:-}" ]; then
      echo " zlib1g:i386 : Depends: libc6:i386 (>= 2.14) but it is not installable"
      echo "E: Unable to correct problems, you have held broken packages."
      exit 100
    fi
    grep -q 'Pin-Priority: 100' "$VD_APT_PREFS" || exit 100 ;;
esac
STUB
chmod +x "$work/bin/apt-get"
export PATH="$work/bin:$PATH"
# shellcheck source=../../scripts/lib/apt.sh
. "$root/scripts/lib/apt.sh"

fails=0
check() {  # check DESCRIPTION CONDITION (a shell expression)
  if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi
}
calls() { grep -c "^$1" "$work/calls" 2>/dev/null || true; }
reset() { rm -f "$work/calls"; }

reset
out=$(UPDATE_FAILS=1 vd_apt_update)
check "a failed update is retried and then succeeds quietly" '[ "$(calls update)" = 2 ] && [ -z "$out" ]'

reset
out=$(UPDATE_FAILS=9 vd_apt_update)
check "an update that keeps failing is tried three times" '[ "$(calls update)" = 3 ]'
check "and goes on naming the failed index in one line" '[ "$(echo "$out" | wc -l)" = 1 ] && [[ $out == *binary-i386/Packages.xz* ]]'

reset
out=$(vd_apt_install wine32 2>&1)
check "a failed install is tried once more with the one-suite pin" '[ "$(calls install)" = 2 ]'
check "which is said in one line" '[[ $out == *"pinned below the main suite"* ]] && [ "$(echo "$out" | wc -l)" = 1 ]'
check "and the pin is removed afterwards" '[ ! -e "$VD_APT_PREFS" ]'

reset
status=0
out=$(INSTALL_ALWAYS_FAILS=1 vd_apt_install wine32 2>&1) || status=$?
check "an install that fails twice fails setup" '[ "$status" = 1 ] && [ "$(calls install)" = 2 ]'
check "with apt's own lines, not a bare status" '[[ $out == *"zlib1g:i386 : Depends"* ]] && [[ $out == *"E: Unable to correct"* ]]'
check "and leaves no pin behind" '[ ! -e "$VD_APT_PREFS" ]'

[ "$fails" = 0 ]
