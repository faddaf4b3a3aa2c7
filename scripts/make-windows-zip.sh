#!/usr/bin/env bash
# Makes tarnwick-windows.zip, the Windows program folder as a user unpacks it (the folder
# tarnwick\ inside it), from the staged folder of the Windows build
# (cmake --build --preset windows):
#   tarnwick.exe, the compiler's and Qt's DLLs and Qt's plugins, stripped (copies: the staged
#     folder stays as built), Qt's Chinese texts in translations\ and the launcher apktool.bat;
#   readme.txt and recovery\readme.txt, the notes for the user, in UTF-8 with a byte-order mark
#     and CRLF line ends, as Notepad reads them on every Windows;
#   apktool.jar and signapk.jar, each a single jar made of Debian's jars: only Java is needed;
#   testkey.x509.pem and testkey.pk8, a signing pair made for this zip;
#   the tools the program runs, built for Windows from Debian's source: adb.exe, fastboot.exe,
#     AdbWinApi.dll and AdbWinUsbApi.dll from the folder TARNWICK_ANDROID_TOOLS_DIR (by default
#     the one build-android-tools-mingw.sh prints), and aapt.exe from TARNWICK_AAPT_MINGW_DIR
#     when it is given. Such a folder holds the programs and, in licenses/, the files their
#     licences ask to go with them and readme.txt, its part of the zip's licence note;
#   licenses\, the copyright file of every Debian package the jars, DLLs and tools were made
#     from (windows-zip-licenses.txt beside this script names them), the common licences those
#     point to, the tools' licence files, and readme.txt, which says which file is under which
#     and where the sources are.
# Usage: make-windows-zip.sh [STAGE_FOLDER [ZIP]]
#   (by default build-windows/stage and build-windows/tarnwick-windows.zip)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
stage="${1:-$root/build-windows/stage}"
zip_file="$(realpath -m "${2:-$root/build-windows/tarnwick-windows.zip}")"
if [ ! -e "$stage/tarnwick.exe" ] || [ ! -e "$stage/apktool.bat" ]; then
    echo "$stage is no staged Windows program folder (cmake --build --preset windows makes it)" >&2
    exit 1
fi

android_tools="${TARNWICK_ANDROID_TOOLS_DIR:-$("$root/scripts/build-android-tools-mingw.sh")}"
tool_folders=("$android_tools" ${TARNWICK_AAPT_MINGW_DIR:+"$TARNWICK_AAPT_MINGW_DIR"})

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
folder="$work/tarnwick"
mkdir -p "$folder/recovery"

# gather_jars DIR JAR...: the files of all JARs (links resolved) in DIR, for one jar that needs
# no other. Each jar's manifest and signature files stay out: a signature does not hold for a
# jar made of others. A file that several jars hold must be the same in each, except service
# lists (META-INF/services), whose lines are joined, and other files of META-INF (licence
# notices), which are put one after the other.
gather_jars() {
    local into="$1" parts="$work/parts" n=0 jar part name copy
    shift
    rm -rf "$parts"
    mkdir -p "$into" "$parts"
    for jar in "$@"; do
        n=$((n + 1))
        part="$parts/$(printf %02d "$n")"
        unzip -q "$(readlink -f "$jar")" -d "$part"
        rm -f "$part"/META-INF/{MANIFEST.MF,*.SF,*.RSA,*.DSA,*.EC}
        cp -r "$part/." "$into"
    done
    while IFS= read -r name; do
        local copies=("$parts"/*/"$name") differ=no
        for copy in "${copies[@]:1}"; do
            cmp -s "${copies[0]}" "$copy" || differ=yes
        done
        if [ "$differ" = no ]; then
            continue
        fi
        case "$name" in
            META-INF/services/*) awk 'NF && !seen[$0]++' "${copies[@]}" > "$into/$name" ;;
            META-INF/*) awk 'FNR == 1 && NR > 1 { print "" } { print }' "${copies[@]}" > "$into/$name" ;;
            *)
                echo "the jars hold different files $name: $*" >&2
                return 1
                ;;
        esac
    done < <(cd "$parts" && find . -mindepth 2 -type f | cut -d/ -f3- | LC_ALL=C sort | uniq -d)
}

# write_jar DIR JAR MAIN_CLASS: DIR as a jar that runs MAIN_CLASS, the manifest first. Its
# entries are stored, not compressed: the zip then compresses each jar as a whole, across its
# many small classes, and comes out about a third smaller than with compressed entries.
write_jar() {
    local from="$1" jar="$2" main_class="$3"
    mkdir -p "$from/META-INF"
    printf 'Manifest-Version: 1.0\r\nMain-Class: %s\r\n\r\n' "$main_class" > "$from/META-INF/MANIFEST.MF"
    (
        cd "$from"
        {
            echo META-INF/MANIFEST.MF
            find . -mindepth 1 ! -path ./META-INF/MANIFEST.MF | sed 's|^\./||' | LC_ALL=C sort
        } | zip -q -X -0 "$jar" -@
    )
}

# The build's own files, not what a run may have left in the staged folder (logs, work images).
(
    cd "$stage"
    find . -path ./recovery -prune -o -type f \( -path ./tarnwick.exe -o -path ./apktool.bat \
        -o -name '*.dll' -o -path './translations/*.qm' \) -print0 |
        xargs -0 cp --parents -t "$folder"
)
for tools in "${tool_folders[@]}"; do
    find "$tools" -maxdepth 1 \( -name '*.exe' -o -name '*.dll' \) -exec cp -t "$folder" {} +
done
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# A UTF-8 text as Notepad reads it on every Windows: with a byte-order mark and CRLF.
windows_text() {
    { printf '\xEF\xBB\xBF'; sed 's/\r$//; s/$/\r/' "$1"; } > "$2"
}
windows_text "$root/packaging/windows/readme.txt" "$folder/readme.txt"
windows_text "$root/packaging/windows/recovery-readme.txt" "$folder/recovery/readme.txt"

# The packages that windows-zip-licenses.txt names for a file of the zip.
licensed_packages() {
    local file="$1" pattern packages
    while read -r pattern packages; do
        case "$pattern" in '#'* | '') continue ;; esac
        # shellcheck disable=SC2254
        case "$file" in $pattern) echo "$packages"; return 0 ;; esac
    done < "$root/scripts/windows-zip-licenses.txt"
    return 1
}

# check_sources JAR SOURCE...: every Debian package that a source of JAR comes from is named
# for it in windows-zip-licenses.txt, so that its licence goes into the zip.
check_sources() {
    local jar="$1" source package named
    shift
    named=" $(licensed_packages "$jar") "
    for source in "$@"; do
        package="$(dpkg -S "$(readlink -f "$source")" | cut -d: -f1)"
        if [[ "$named" != *" $package "* ]]; then
            echo "windows-zip-licenses.txt does not name $package for $jar" >&2
            return 1
        fi
    done
}

check_sources apktool.jar /usr/share/apktool/*.jar
gather_jars "$work/apktool" /usr/share/apktool/*.jar
write_jar "$work/apktool" "$folder/apktool.jar" brut.apktool.Main

# signapk.jar names bcprov, bcpkix and apksig on its class path. bcpkix names bcutil in turn,
# but signing an APK never loads it: only whole-file signing (-w) needs its CMS classes. Of
# bcprov, signing loads only the provider, which registers the post-quantum algorithms through
# classes of pqc/jcajce; their engines (pqc/crypto, pqc/legacy: more than half of bcprov) are
# never loaded and stay out.
signapk_sources=(/usr/share/signapk/signapk.jar /usr/share/java/bcprov.jar
                 /usr/share/java/bcpkix.jar /usr/share/java/apksig.jar)
check_sources signapk.jar "${signapk_sources[@]}"
gather_jars "$work/signapk" "${signapk_sources[@]}"
rm -r "$work/signapk/org/bouncycastle/pqc/crypto" "$work/signapk/org/bouncycastle/pqc/legacy"
write_jar "$work/signapk" "$folder/signapk.jar" com.android.signapk.SignApk

"$root/scripts/make-test-key.sh" "$folder"

# The licences: each package's copyright file, the common licences that these point to, and a
# note that tells which file of the zip is under which, and where Qt's source is.
licenses="$folder/licenses"
mkdir -p "$licenses/common-licenses"
qt_version="$(dpkg-query -W -f='${Version}' libqt6core6)"
# The files that come from others: all but the program itself and the texts.
licensed_files="$(cd "$folder" && find . -type f \( -name '*.dll' -o -name '*.jar' -o -name '*.qm' \
    -o -name '*.exe' \) ! -name tarnwick.exe | sed 's|^\./||' | LC_ALL=C sort)"
{
    echo "Tarnwick 附带的第三方组件及其许可证"
    echo
    echo "每个文件的许可证和版权声明,见本文件夹中以 Debian 软件包命名的 .txt 文件;"
    echo "其中提到的 /usr/share/common-licenses/ 下的许可证全文,见 common-licenses 文件夹。"
    echo
    while read -r file; do
        echo "  $file: $(licensed_packages "$file" | sed 's/ \+/、/g')"
    done <<<"$licensed_files"
    echo
    echo "Qt 库(Qt6Core.dll、Qt6Gui.dll、Qt6Widgets.dll,以及 platforms 和 styles 中的插件)"
    echo "按 GNU LGPL 第 3 版发布(见 libqt6core6.txt 和 common-licenses\\LGPL-3.txt)。"
    echo "它们由 Debian 12 的源码包 qt6-base $qt_version 编译而成,只补入了 Debian 因许可证"
    echo "原因删去的 wintab.h 和 pktdef.h(取自 Wine 的 LGPL 头文件),编译方法见 Tarnwick"
    echo "源码中的 scripts/build-qt-mingw.sh。该源码包可在 Debian 的软件源中用"
    echo "apt-get source qt6-base=$qt_version 取得;您可以用自己编译的同名 DLL 替换这些文件。"
    for tools in "${tool_folders[@]}"; do
        [ ! -f "$tools/licenses/readme.txt" ] || { echo; cat "$tools/licenses/readme.txt"; }
    done
} > "$work/licenses-readme.txt"
windows_text "$work/licenses-readme.txt" "$licenses/readme.txt"
# A tools folder brings the copyright files of the source packages it was built from, which are
# not installed, and files of its own (NOTICE files, the changes made).
for tools in "${tool_folders[@]}"; do
    for file in "$tools"/licenses/*; do
        [ "$(basename "$file")" = readme.txt ] || windows_text "$file" "$licenses/$(basename "$file")"
    done
done
while read -r file; do licensed_packages "$file"; done <<<"$licensed_files" | tr ' ' '\n' |
    grep . | sort -u | while read -r package; do
    copyright="/usr/share/doc/$package/copyright"
    for tools in "${tool_folders[@]}"; do
        [ ! -f "$tools/licenses/$package.txt" ] || copyright="$tools/licenses/$package.txt"
    done
    copyright="$(readlink -f "$copyright")"
    windows_text "$copyright" "$licenses/$package.txt"
    grep -oE '/usr/share/common-licenses/[A-Za-z]+(-[0-9]+(\.[0-9]+)?)?' "$copyright" || true
done | sort -u | while read -r common; do
    if [ -f "$common" ]; then  # one copyright file names a licence that does not exist
        windows_text "$common" "$licenses/common-licenses/$(basename "$common").txt"
    fi
done

mkdir -p "$(dirname "$zip_file")"
rm -f "$zip_file"
(cd "$work" && find tarnwick | LC_ALL=C sort | zip -q -X -9 "$zip_file" -@)
echo "$zip_file: $(du -k "$zip_file" | cut -f1) KiB"
