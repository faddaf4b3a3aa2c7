#!/usr/bin/env bash
# Makes the compile mode's signing pair in FOLDER when neither file exists there:
#   testkey.x509.pem  an RSA-2048 self-signed certificate (PEM)
#   testkey.pk8       its private key, unencrypted PKCS#8 (DER)
# A folder that holds only one of the two is left alone, with a warning: signing fails there.
# Usage: make-test-key.sh FOLDER
set -euo pipefail
folder="$1"
certificate="$folder/testkey.x509.pem"
key="$folder/testkey.pk8"

if [ -e "$certificate" ] && [ -e "$key" ]; then
    exit 0
fi
if [ -e "$certificate" ] || [ -e "$key" ]; then
    echo "warning: $folder holds only one of testkey.x509.pem and testkey.pk8; signing fails" >&2
    exit 0
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
umask 077
openssl req -x509 -newkey rsa:2048 -nodes -days 10950 -subj "/CN=Tarnwick test key" \
    -keyout "$work/key.pem" -out "$certificate" 2>/dev/null
openssl pkcs8 -topk8 -nocrypt -inform PEM -outform DER -in "$work/key.pem" -out "$key"
chmod 644 "$certificate"
