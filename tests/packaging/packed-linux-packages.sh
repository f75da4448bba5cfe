#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the Linux packages of the build BUILD and checks that nothing of the
# packing machine, its clock or the person packing is left in them: every
# member of the .deb and of the tarball carries the commit's time, root as
# owner and no write permission for others, and no gzip header holds a time.
#
#   packed-linux-packages.sh SOURCE BUILD
set -euo pipefail
source=$1 build=$2
command -v dpkg-shlibdeps >/dev/null || { echo "skipped: dpkg-shlibdeps (dpkg-dev) is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# A time far from today's, packed under a umask and a time zone of a careless packer.
export SOURCE_DATE_EPOCH=1234567890
(umask 000 && TZ=Pacific/Chatham "$source/script/pack" linux "$work/out" "$build" >/dev/null)
export TZ=UTC
deb=$(ls "$work"/out/brontara_*_amd64.deb)
tgz=$(ls "$work"/out/Brontara-*-portable-linux.tar.gz)

# Lines of `tar tv --full-time --numeric-owner` (or of `ar tv`) that break the rule, named by $1.
check_members() {
  local what=$1 time=$2 listing
  listing=$(cat)
  [ -n "$listing" ] || fail "$what is empty"
  grep -v -e " 0/0 " <<<"$listing" | sed "s|^|$what: not owned by root: |" | grep . && fail "$what: owners"
  grep -v -F "$time" <<<"$listing" | sed "s|^|$what: not the commit's time: |" | grep . && fail "$what: times"
  # ar lists bare modes, tar a type first; links are writable by all anyway.
  awk '{ m = $1; if (length(m) == 10) { if (m ~ /^l/) next; m = substr(m, 2) }
         if (substr(m, 5, 1) == "w" || substr(m, 8, 1) == "w") print }' <<<"$listing" \
    | sed "s|^|$what: writable by others: |" | grep . && fail "$what: modes"
  return 0
}
check_members ".deb" "Feb 13 23:31 2009" < <(ar tv "$deb")
check_members "control.tar" "2009-02-13 23:31:30" < <(dpkg-deb --ctrl-tarfile "$deb" | tar tv --full-time --numeric-owner)
check_members "data.tar" "2009-02-13 23:31:30" < <(dpkg-deb --fsys-tarfile "$deb" | tar tv --full-time --numeric-owner)
check_members "the tarball" "2009-02-13 23:31:30" < <(tar tzv --full-time --numeric-owner -f "$tgz")

# The gzip header's time field (bytes 5 to 8) stays zero.
mkdir "$work/deb" && (cd "$work/deb" && ar x "$deb")
for gz in "$tgz" "$work"/deb/*.gz; do
  [ "$(od -An -tx1 -j4 -N4 "$gz" | tr -d ' ')" = 00000000 ] || fail "the gzip header of $(basename "$gz") records a time"
done
[ "$(find "$work/deb" -name '*.gz' | wc -l)" -eq 2 ] || fail "the .deb's control and data are not both gzip-compressed"
[ $failures -eq 0 ] && echo "The packages carry the commit's time, root's ownership and normalised modes"
[ $failures -eq 0 ]
