#!/usr/bin/env bash
# Sets up a program folder so that the compile mode's command lines work unchanged with
# Debian's apktool and signapk:
#   apktool.jar       a jar of only a manifest that starts apktool with Debian's jars
#   apktool           a launcher that runs that jar (found before /usr/bin/apktool)
#   signapk.jar       a link to Debian's signapk.jar
#   testkey.x509.pem  the signing certificate and its key, made when neither exists;
#   testkey.pk8       put your own pair there instead to sign with your key
# It also removes a framework link that Debian's own apktool launcher leaves behind and makes
# the framework folders, so that the launcher never leaves one again (see below).
# Usage: stage-apk-tools.sh PROGRAM_FOLDER
set -euo pipefail
folder="$(cd "$1" && pwd)"
"$(dirname "$0")/make-apktool-jar.sh" "$folder/apktool.jar"

install -m 755 "$(dirname "$0")/../packaging/linux/apktool" "$folder/apktool"

ln -sfn /usr/share/signapk/signapk.jar "$folder/signapk.jar"

"$(dirname "$0")/make-test-key.sh" "$folder"

# Debian's /usr/bin/apktool links apktool's framework 1.apk to the system's framework-res.apk
# whenever ~/.local/share/apktool/framework is missing; a framework install would then write
# through the link into the system's file. Such a link is removed (never its target) and both
# framework folders are made, so that the launcher never links again: the one apktool itself
# uses (XDG_DATA_HOME, else the home folder of the user database, as Java takes it) and the one
# the launcher looks at (HOME).
home="$(getent passwd "$(id -u)" | cut -d: -f6)" || home=""  # no entry: HOME stands in
launcher_home="${HOME:-$home}"
for data in "${XDG_DATA_HOME-${home:-$launcher_home}/.local/share}" "$launcher_home/.local/share"; do
    if [ "$data" = /.local/share ]; then
        continue  # no home folder at all
    fi
    framework="$data/apktool/framework"
    if [ -L "$framework/1.apk" ]; then
        rm -f -- "$framework/1.apk"
    fi
    mkdir -p -- "$framework" ||
        echo "warning: cannot make $framework; Debian's apktool may link it again" >&2
done
