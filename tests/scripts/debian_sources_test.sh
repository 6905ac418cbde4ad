#!/usr/bin/env bash
# The deb-src list that scripts/install-deps.sh fetches zlib's source through, derived from
# apt source folders made here: deb822 and one-line files, disabled entries and files,
# third-party repositories, and a folder without any Debian archive.
#   tests/scripts/debian_sources_test.sh SOURCE_DIR
set -uo pipefail
script=$1/scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME APT_DIR EXPECTED_STATUS EXPECTED_OUTPUT EXPECTED_MESSAGE_PART
check() {
  local name=$1 dir=$2 status=$3 expected=$4 message=$5 output actual
  output=$("$script" --debian-sources "$dir" bookworm 2>"$work/stderr")
  actual=$?
  if [ "$actual" -ne "$status" ] || [ "$output" != "$expected" ] ||
     ! grep -qF -- "$message" "$work/stderr"; then
    echo "FAIL $name: status $actual (expected $status)"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$output")
    echo "stderr:"; cat "$work/stderr"
    failures=$((failures + 1))
  fi
}

# deb822: the release's archive and its security archive, as Debian installs them, a
# repository whose stanza is switched off, one in a file apt does not read, and a
# third-party repository with an inline key.
deb822=$work/deb822
mkdir -p "$deb822/sources.list.d"
cat > "$deb822/sources.list.d/debian.sources" <<'LIST'
Types: deb
# the mirror's own note
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://mirror.example/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: http://old.example/debian
Suites: bookworm
Components: main
Enabled: no
LIST
cat > "$deb822/sources.list.d/vendor.sources" <<'LIST'
Types: deb
URIs: https://vendor.example/apt
Suites: nodistro
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGVendorKey
 -----END PGP PUBLIC KEY BLOCK-----
LIST
cat > "$deb822/sources.list.d/backup.sources.disabled" <<'LIST'
Types: deb
URIs: http://backup.example/debian
Suites: bookworm
Components: main
LIST
check "deb822 file" "$deb822" 0 "Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
  "sources in $deb822/sources.list.d/debian.sources"

# A key given inline is carried over line by line; stanzas end at blank lines.
inline=$work/inline
mkdir -p "$inline/sources.list.d"
cat > "$inline/sources.list.d/debian.sources" <<'LIST'
Types: deb-src deb
URIs: http://a.example/debian http://b.example/debian
Suites: bookworm-backports bookworm
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBDebianKey
 -----END PGP PUBLIC KEY BLOCK-----
LIST
check "inline key" "$inline" 0 "Types: deb-src
URIs: http://a.example/debian http://b.example/debian
Suites: bookworm
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBDebianKey
 -----END PGP PUBLIC KEY BLOCK-----" "sources in $inline/sources.list.d/debian.sources"

# A classic one-line list with comments, options and a third-party line; the same archive
# as deb and deb-src gives one entry.
classic=$work/classic
mkdir -p "$classic"
cat > "$classic/sources.list" <<'LIST'
# deb http://commented.example/debian bookworm main
deb [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://mirror.example/debian bookworm main # the mirror
deb-src [ signed-by=/usr/share/keyrings/debian-archive-keyring.gpg ] http://mirror.example/debian bookworm main
deb http://mirror.example/debian bookworm-updates main non-free-firmware
deb http://mirror.example/debian-security bookworm-security main
deb http://mirror.example/debian bookworm-backports main
deb https://cloud.example/apt cloud-sdk-bookworm main
deb http://flat.example/repo bookworm/
LIST
check "classic list" "$classic" 0 "Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm-updates
Components: main non-free-firmware" "sources in $classic/sources.list"

# No Debian archive of this release: only third-party, disabled and other releases' entries.
none=$work/none
mkdir -p "$none/sources.list.d"
cp "$deb822/sources.list.d/vendor.sources" "$deb822/sources.list.d/backup.sources.disabled" \
   "$none/sources.list.d/"
printf '%s\n' "# deb http://mirror.example/debian bookworm main" \
  "deb http://mirror.example/debian bullseye main" > "$none/sources.list"
check "no Debian archive" "$none" 1 "" "No Debian archive for \"bookworm\" among the apt sources in $none"
check "no folder" "$work/missing" 1 "" "No Debian archive for \"bookworm\""

if [ "$failures" -ne 0 ]; then
  echo "$failures case(s) failed"
  exit 1
fi
echo "all cases passed"
