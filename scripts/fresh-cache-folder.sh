#!/usr/bin/env bash
# fresh-cache-folder.sh PREFIX: makes PREFIX and its work folder PREFIX.work anew and empty for
# the user running it (with sudo when not root, since the cache lies under /var/cache), as the
# builds from Debian's sources do before they start.
set -euo pipefail
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo rm -rf "$1" "$1.work"
$sudo mkdir -p "$1" "$1.work"
$sudo chown "$(id -u):$(id -g)" "$1" "$1.work"
