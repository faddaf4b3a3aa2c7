#!/usr/bin/env bash
# Unpacks tarnwick-windows.zip into an empty folder and checks what a Windows user gets: a zip
# of at most 22 MiB; the program and its Qt parts, stripped; the tools it runs, which need
# nothing but Windows' own DLLs; the notes in UTF-8 with a byte-order mark and CRLF, the
# recovery note naming the images the flash mode looks for; the licences of every jar, DLL and
# tool; and jars that need nothing but Java. Those run
# from the unpacked folder with no class path and a home of their own: install the framework,
# build a small APK from text files, decompile it and sign it with the pair in the folder.
# Usage: windows-zip-check.sh ZIP
set -euo pipefail
zip_file="$(realpath "$1")"
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

size="$(stat -c %s "$zip_file")"
[ "$size" -le 23068672 ] || { echo "the zip is $size bytes, more than 22 MiB" >&2; exit 1; }
mkdir "$work/unpacked"
unzip -q "$zip_file" -d "$work/unpacked"
cd "$work/unpacked/tarnwick"
tools=(adb.exe fastboot.exe AdbWinApi.dll AdbWinUsbApi.dll)
[ ! -e aapt.exe ] || tools+=(aapt.exe)
for file in tarnwick.exe Qt6Core.dll platforms/qwindows.dll translations/qtbase_zh_CN.qm "${tools[@]}" \
    apktool.bat apktool.jar signapk.jar testkey.x509.pem testkey.pk8 readme.txt recovery/readme.txt; do
    [ -s "$file" ] || { echo "missing from the zip: $file" >&2; exit 1; }
done
for binary in *.exe *.dll */*.dll; do
    if x86_64-w64-mingw32-objdump -h "$binary" | grep -q ' \.debug_'; then
        echo "not stripped: $binary" >&2
        exit 1
    fi
done
# The tools load no MinGW runtime DLL, which a folder on the user's PATH could hold in another
# version: only Windows' own DLLs and each other.
windows_dlls=" kernel32.dll msvcrt.dll advapi32.dll ws2_32.dll shell32.dll user32.dll gdi32.dll userenv.dll
    setupapi.dll winusb.dll adbwinapi.dll adbwinusbapi.dll "
for tool in "${tools[@]}"; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$tool" | awk '/DLL Name:/ { print tolower($3) }'); do
        [[ "$windows_dlls" == *" $dll "* ]] || { echo "$tool needs $dll" >&2; exit 1; }
    done
done

for text in readme.txt recovery/readme.txt licenses/readme.txt; do
    if [ "$(head -c3 "$text")" != $'\xEF\xBB\xBF' ] || grep -qv $'\r$' "$text" ||
        ! iconv -f UTF-8 -t UTF-8 "$text" >/dev/null; then
        echo "$text is not UTF-8 with a byte-order mark and CRLF" >&2
        exit 1
    fi
done
notes="$(cat readme.txt)"
recovery_note="$(cat recovery/readme.txt)"
[[ "$notes" == *"Windows 10(1809 版)"*推送模式*aapt.exe*licenses* ]] ||
    { echo "readme.txt lacks what it must say" >&2; exit 1; }
# Every jar, DLL and tool comes with the licences of what it was made from.
while IFS= read -r -d '' file; do
    file="${file#./}"
    packages=""
    while read -r pattern named; do
        case "$pattern" in '#'* | '') continue ;; esac
        # shellcheck disable=SC2254
        case "$file" in $pattern) packages="$named"; break ;; esac
    done < "$root/scripts/windows-zip-licenses.txt"
    [ -n "$packages" ] || { echo "scripts/windows-zip-licenses.txt names nothing for $file" >&2; exit 1; }
    for package in $packages; do
        [ -s "licenses/$package.txt" ] || { echo "licenses/$package.txt missing for $file" >&2; exit 1; }
    done
done < <(find . -type f \( -name '*.jar' -o -name '*.dll' -o -name '*.exe' \) ! -name tarnwick.exe -print0)
# Qt's licence; the tools': Apache-2.0 with the Android parts' notices and the changes made,
# BoringSSL's OpenSSL, SSLeay and ISC licences.
while IFS=: read -r file text; do
    grep -qsF "$text" "licenses/$file" || { echo "licenses/$file lacks \"$text\"" >&2; exit 1; }
done <<'EOF'
common-licenses/LGPL-3.txt:GNU LESSER GENERAL PUBLIC LICENSE
common-licenses/Apache-2.0.txt:Apache License
NOTICE-system-core.txt:The Android Open Source Project
NOTICE-external-boringssl.txt:OpenSSL License
NOTICE-external-boringssl.txt:Original SSLeay License
NOTICE-external-boringssl.txt:ISC license
android-platform-tools-changes.txt:ATL
EOF
images="$(grep -o '[a-z0-9_]*_recovery\.img' "$root/flash/recovery_flash.cpp" | sort -u)"
[ -n "$images" ] || { echo "no image names found in flash/recovery_flash.cpp" >&2; exit 1; }
for image in $images; do
    [[ "$recovery_note" == *"$image"* ]] || { echo "recovery/readme.txt lacks $image" >&2; exit 1; }
done

unset JAVA_TOOL_OPTIONS _JAVA_OPTIONS
export CLASSPATH="" HOME="$work/home" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME" "$work/tiny/res/values" "$work/tiny/smali/t"
printf '%s' '<manifest xmlns:android="http://schemas.android.com/apk/res/android"' \
    ' package="t.tiny"><application android:label="@string/app_name"/></manifest>' \
    > "$work/tiny/AndroidManifest.xml"
printf 'version: 2.7.0\napkFileName: tiny.apk\nusesFramework:\n  ids:\n  - 1\n' \
    > "$work/tiny/apktool.yml"
printf '<resources><string name="app_name">Tiny</string></resources>' \
    > "$work/tiny/res/values/strings.xml"
printf '.class public Lt/Main;\n.super Ljava/lang/Object;\n' > "$work/tiny/smali/t/Main.smali"

java -jar apktool.jar if /usr/share/android-framework-res/framework-res.apk
java -jar apktool.jar b "$work/tiny" -o "$work/tiny.apk"
java -jar apktool.jar d -f "$work/tiny.apk" -o "$work/decoded"
grep -q 'package="t.tiny"' "$work/decoded/AndroidManifest.xml"
java -jar signapk.jar testkey.x509.pem testkey.pk8 "$work/tiny.apk" "$work/signed.apk"
apksigner verify "$work/signed.apk"
echo "the unpacked zip holds its program and runs its tools"
