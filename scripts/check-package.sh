#!/usr/bin/env bash
# Checks the Debian package as a user gets it. As root, on a machine it may change for a while:
#  - makes it (scripts/make-deb.sh); lintian reports neither error nor warning that its
#    overrides do not explain; desktop-file-validate and appstreamcli accept the menu entry and
#    the metadata;
#  - installs it with apt-get; as a new user, `tarnwick --version` prints the package's version
#    and a start without a display ends with one line; started under Xvfb, the home
#    window shows (picture: build/pictures/package-home.png), in the user's own program folder,
#    made with its links resolving and a signing pair of the user's;
#  - builds, decompiles and signs a small APK with the program's own command lines, run by its
#    command runner in that folder; apktool's framework folder holds no link into the system;
#  - upgrades to a higher version, then purges: the links resolve after the upgrade, and the
#    user's home is left exactly as it was.
# Whatever happens, it leaves the machine as it found it: the package and what it brought along
# purged, the user removed, with nothing of theirs left in /tmp. CI runs it (scripts/test.sh
# with CI=true); by hand:
#   scripts/check-package.sh
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
"$top/scripts/install-deps.sh" run test
if dpkg-query -W -f='${db:Status-Status}' tarnwick 2>/dev/null | grep -qx installed; then
    echo "tarnwick is installed here; the check would remove it" >&2
    exit 1
fi

installed_packages() {
    dpkg-query -W -f='${db:Status-Status} ${Package}\n' | sed -n 's/^installed //p' | sort
}
before="$(installed_packages)"
work="$(mktemp -d)"
chmod 755 "$work"
user="tarnwick-check-$$"
program="" xvfb=""
clean_up() {
    local status=$?
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    local added
    added="$(comm -13 <(echo "$before") <(installed_packages))"
    if [ -n "$added" ]; then
        # shellcheck disable=SC2086  # one package name a word
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $added >/dev/null || status=1
    fi
    if id "$user" >/dev/null 2>&1; then
        # Java keeps its performance data in /tmp/hsperfdata_<user> whatever TMPDIR says: the
        # user's own, removed once its programs have ended. Nothing else of the user's may stay
        # in /tmp, where a later user of the same id would inherit it.
        find /tmp -maxdepth 1 -name "hsperfdata_$user" -user "$user" -exec rm -rf {} +
        if [ -n "$(find /tmp -maxdepth 1 -user "$user")" ]; then
            echo "package check: left in /tmp: $(find /tmp -maxdepth 1 -user "$user")" >&2
            status=1
        fi
        userdel -r "$user" 2>/dev/null || status=1
    fi
    rm -rf "$work"
    [ "$status" -eq 0 ] && echo "package check passed" || echo "package check FAILED" >&2
    exit "$status"
}
trap clean_up EXIT
trap 'exit 130' INT TERM
fail() {
    echo "package check: $*" >&2
    exit 1
}

# The package and its files, as lintian and the desktop's validators see them.
deb="$("$top/scripts/make-deb.sh")"
lintian --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$work/tree"
id=io.github.tarnwick.Tarnwick
desktop-file-validate "$work/tree/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/tree/usr/share/metainfo/$id.metainfo.xml"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

useradd --create-home --shell /bin/bash "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
folder="$home/.local/share/tarnwick"
# The user's runtime folder, as a login makes it, inside the work folder: nothing of the user's
# outlives the check (Qt would make /tmp/runtime-<user> without it).
install -d -m 700 -o "$user" -g "$user" "$work/runtime"
as_user=(setpriv --reuid="$user" --regid="$user" --init-groups
    env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin LANG=C.UTF-8
    XDG_RUNTIME_DIR="$work/runtime")
version="$(dpkg-deb -f "$deb" Version)"

# On a terminal: the version, and one line for a display it cannot open.
[ "$("${as_user[@]}" /usr/bin/tarnwick --version)" = "tarnwick $version" ] ||
    fail "tarnwick --version does not print tarnwick $version"
status=0
"${as_user[@]}" /usr/bin/tarnwick >"$work/no-display.log" 2>&1 || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/no-display.log")" -eq 1 ] &&
    grep -q '^tarnwick: 无法打开图形界面: .*(cannot open the graphical interface: ' \
        "$work/no-display.log" || fail "without a display: exit $status, $(cat "$work/no-display.log")"
links_resolve() {
    local link
    for link in apktool apktool.jar signapk.jar; do
        if [ ! -L "$folder/$link" ] || [ ! -e "$folder/$link" ]; then
            fail "$link does not resolve ($1)"
        fi
    done
}
home_listing() {
    find "$home" -printf '%p %y %m %s %l %T@\n' | sort
}

# The program under a virtual screen of its own: its home window, in the user's own folder.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
read -r -t 20 display <"$work/display" || fail "Xvfb did not start"
"${as_user[@]}" DISPLAY=":$display" /usr/bin/tarnwick >"$work/program.log" 2>&1 &
program=$!
# Its window is of the class that the menu entry names.
class="$(sed -n 's/^StartupWMClass=//p' "$work/tree/usr/share/applications/$id.desktop")"
window="$(DISPLAY=":$display" timeout 60 xdotool search --sync --onlyvisible --class "$class")" ||
    fail "no home window: $(cat "$work/program.log")"
xprop -display ":$display" -id "${window%%$'\n'*}" WM_CLASS | grep -q ", \"$class\"\$" ||
    fail "the window's class is not $class"
mkdir -p "$top/build/pictures"
import -display ":$display" -window root "$top/build/pictures/package-home.png"
[ "$(readlink "/proc/$program/cwd")" = "$folder" ] || fail "the program does not work in $folder"
kill "$program"
wait "$program" || true
program=""
links_resolve "first start"
[ -d "$folder/recovery" ] || fail "no recovery folder"
[ "$(stat -c %a "$folder/testkey.pk8")" = 600 ] || fail "no signing pair of the user's"

# A small APK built, decompiled and signed by the program's own command lines, run in the
# user's folder as the program runs them.
(cd "$top" && cmake --preset ci >/dev/null && cmake --build --preset ci --target run_command_line) \
    >/dev/null
install -m 755 "$top/build-ci/tests/run_command_line" "$work/"
"${as_user[@]}" mkdir -p "$home/tiny src/res/values" "$home/tiny src/smali/t"
printf '%s\n' '<manifest xmlns:android="http://schemas.android.com/apk/res/android"' \
    '  package="t.tiny"><application android:label="@string/app_name"/></manifest>' |
    "${as_user[@]}" tee "$home/tiny src/AndroidManifest.xml" >/dev/null
echo '<resources><string name="app_name">Tiny</string></resources>' |
    "${as_user[@]}" tee "$home/tiny src/res/values/strings.xml" >/dev/null
printf 'version: 2.7.0\napkFileName: tiny.apk\nusesFramework:\n  ids:\n  - 1\n' |
    "${as_user[@]}" tee "$home/tiny src/apktool.yml" >/dev/null
printf '.class public Lt/Main;\n.super Ljava/lang/Object;\n' |
    "${as_user[@]}" tee "$home/tiny src/smali/t/Main.smali" >/dev/null
run_line() {
    (cd "$folder" && "${as_user[@]}" "$work/run_command_line" "$1") >"$work/line.log" 2>&1 ||
        fail "$1: $(cat "$work/line.log")"
}
run_line 'cmd /c apktool b -f "C:\tiny src" -o C:\tiny.apk'
run_line 'cmd /c apktool d -f "C:\tiny.apk" -o C:\tiny'
run_line 'cmd /c java -jar signapk.jar testkey.x509.pem testkey.pk8 C:\tiny.apk C:\signed.apk'
[ -f "$home/tiny/apktool.yml" ] || fail "the APK was not decompiled"
apksigner verify "$home/signed.apk" || fail "the APK was not signed"
[ -d "$home/.local/share/apktool/framework" ] || fail "no framework folder"
[ -z "$(find "$home/.local/share/apktool" -type l)" ] || fail "a framework link into the system"

# An upgrade and the purge leave the user's home as it is.
echo "an image of the user's" |
    "${as_user[@]}" tee "$folder/recovery/find5_twrp_recovery.img" >/dev/null
listing="$(home_listing)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    "$("$top/scripts/make-deb.sh" "$version.1")" >/dev/null
[ "$(dpkg-query -W -f='${Version}' tarnwick)" = "$version.1" ] || fail "no upgrade"
links_resolve "after the upgrade"
[ "$(home_listing)" = "$listing" ] || fail "the upgrade changed the user's home"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tarnwick >/dev/null
[ "$(home_listing)" = "$listing" ] || fail "the purge changed the user's home"
