# apt-get steps of scripts/setup that must get through a package index that
# fails to download (a mirror caught mid-sync, most often one architecture's
# index of the security suite). Sourced; the tests run these functions with a
# stubbed apt-get.
#   VD_APT_TRIES   attempts of apt-get update (default 3)
#   VD_APT_PAUSE   seconds between them (default 5)
#   VD_APT_PREFS   the preferences file written for the one-suite retry
#                  (default /etc/apt/preferences.d/vadode-setup-one-suite)

# The apt lines that say what went wrong: errors, warnings, unmet
# dependencies, packages without a candidate.
vd_apt_error_lines() {
  grep -E '^(E|W): | : (Pre-)?Depends: |not installable|has no installation candidate|Unable to locate' "$1" \
    | sed 's/^ *//' | head -n "${2:-12}" || true
}

# apt-get update, retried; goes on (status 0) when some index still fails,
# naming it in one line.
vd_apt_update() {
  local tries=${VD_APT_TRIES:-3} pause=${VD_APT_PAUSE:-5} log i failed
  log=$(mktemp)
  for ((i = 1; i <= tries; i++)); do
    if apt-get update -q >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    [ "$i" -lt "$tries" ] && sleep "$pause"
  done
  failed=$(sed -nE 's/^[EW]: Failed to fetch ([^ ]+).*/\1/p' "$log" | sort -u | paste -sd ' ' -)
  [ -n "$failed" ] || failed=$(vd_apt_error_lines "$log" 1)
  echo "setup: apt-get update failed $tries times; going on without: ${failed:-(apt named no index)}"
  rm -f "$log"
  return 0
}

# The security suite's codename for this release (bookworm-security).
vd_apt_security_suite() {
  local codename=
  # shellcheck disable=SC1091
  [ -r /etc/os-release ] && codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  echo "${codename:-bookworm}-security"
}

# apt-get install of the given packages. When it fails, tries once more with
# the security suite pinned below the main suite for that one install, so
# that the amd64 and i386 twins of a Multi-Arch library resolve to the same
# version even when one architecture's security index is missing. When that
# fails too, prints the apt lines that matter and returns 1.
vd_apt_install() {
  local prefs=${VD_APT_PREFS:-/etc/apt/preferences.d/vadode-setup-one-suite} log suite status=0
  log=$(mktemp)
  if apt-get install -y -q --no-install-recommends "$@" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  suite=$(vd_apt_security_suite)
  echo "setup: the install failed ($(vd_apt_error_lines "$log" 1)); trying once more with $suite pinned below the main suite, so both architectures resolve from one suite"
  mkdir -p "$(dirname "$prefs")"
  printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n' "$suite" >"$prefs"
  apt-get install -y -q --no-install-recommends "$@" >"$log" 2>&1 || status=1
  rm -f "$prefs"
  if [ "$status" != 0 ]; then
    echo "setup: the install failed again; apt said:" >&2
    vd_apt_error_lines "$log" 20 | sed 's/^/  /' >&2
  fi
  rm -f "$log"
  return "$status"
}
