#!/usr/bin/env bash
# Makes JAR, a jar of only a manifest that starts Debian's apktool with Debian's own jars: its
# apktool-cli.jar names no class path. The class path holds the jar names of the apktool
# installed here (the Debian package therefore asks for apktool of this minor version).
# Usage: make-apktool-jar.sh JAR
set -euo pipefail
jar="$(realpath -m "$1")"
apktool_jars=/usr/share/apktool
if [ ! -e "$apktool_jars/apktool-cli.jar" ]; then
    echo "Debian's apktool is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
fi

# The manifest names every jar by absolute path: the first on the Class-Path line itself, the
# others on continuation lines (a leading blank continues the line, the second blank separates
# the names).
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/META-INF"
{
    printf 'Manifest-Version: 1.0\r\nMain-Class: brut.apktool.Main\r\n'
    separator="Class-Path: "
    for each in "$apktool_jars"/*.jar; do
        printf '%s%s\r\n' "$separator" "$each"
        separator="  "
    done
} > "$work/META-INF/MANIFEST.MF"
rm -f "$jar"
(cd "$work" && zip -q -X "$jar" META-INF/MANIFEST.MF)
