#!/usr/bin/env bash
# Lets `apt-get source` fetch Debian's source packages: adds a deb-src entry for the suite that the
# machine's Debian entries already use, in a file of its own, unless one is there.
set -euo pipefail
exec 1>&2
shopt -s nullglob
# The package sources, each file ended by an empty line as a deb822 stanza is.
entries() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ ! -f "$file" ] || { cat "$file"; echo; }
    done
}
# The suite of the main Debian archive: "Suites: bookworm bookworm-updates" (deb822) or
# "deb http://deb.debian.org/debian bookworm main" (one-line form).
suite="$(entries | awk '
    /^Types:/ { binary = / deb( |$)/ } /^URIs:/ { debian = /\/debian\/?( |$)/ }
    /^Suites:/ && binary && debian { print $2; exit }
    /^deb / && $2 ~ /\/debian\/?$/ { print $3; exit }
    /^$/ { binary = debian = 0 }')"
[ -n "$suite" ] || { echo "no Debian suite found in the package sources" >&2; exit 1; }
if entries | awk -v suite="$suite" '
    /^Types:/ { source = /deb-src/ } /^Suites:/ && source { for (i = 2; i <= NF; i++) if ($i == suite) found = 1 }
    /^deb-src / && $3 == suite { found = 1 } /^$/ { source = 0 } END { exit !found }'; then
    exit 0
fi
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo tee /etc/apt/sources.list.d/tarnwick-deb-src.sources >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
$sudo apt-get update -qq
