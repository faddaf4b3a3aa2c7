#!/usr/bin/env bash
# Lets `apt-get source` fetch Debian's source packages: adds a deb-src entry for the suite that the
# machine's Debian entries already use, in a file of its own, unless one is there.
set -euo pipefail
exec 1>&2
shopt -s nullglob
# The package sources, each file ended by an empty line as a deb822 stanza is.
entries() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.{list,sources}; do
        [ ! -f "$file" ] || { cat "$file"; echo; }
    done
}
# find_suite TYPE [SUITE]: the first suite of the main Debian archive among the entries of TYPE
# (deb or deb-src), or whether there is one for SUITE. Entries come one a line ("deb
# http://deb.debian.org/debian bookworm main") or as stanzas ("Types:", "URIs:", "Suites:").
find_suite() {
    entries | awk -v type="$1" -v suite="${2:-}" '
        function take(s) { if (found == "" && (suite == "" || s == suite)) found = s }
        function stanza_end(  words, n, i) {
            n = split(suites, words, " ")
            if (types ~ (" " type "( |$)") && uris ~ /\/debian\/?( |$)/)
                for (i = 2; i <= n; i++) take(words[i])
            types = uris = suites = ""
        }
        /^Types:/ { types = $0 } /^URIs:/ { uris = $0 } /^Suites:/ { suites = $0 }
        $1 == type && $2 ~ /\/debian\/?$/ { take($3) }
        /^$/ { stanza_end() }
        END { stanza_end(); if (found == "") exit 1; print found }'
}
suite="$(find_suite deb)" || { echo "no Debian suite found in the package sources" >&2; exit 1; }
find_suite deb-src "$suite" >/dev/null && exit 0
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
