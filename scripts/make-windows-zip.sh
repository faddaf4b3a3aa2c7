#!/usr/bin/env bash
# Makes tarnwick-windows.zip, the Windows program folder as a user unpacks it (the folder
# tarnwick\ inside it), from the staged folder of the Windows build
# (cmake --build --preset windows):
#   tarnwick.exe, the compiler's and Qt's DLLs and Qt's plugins, stripped (copies: the staged
#     folder stays as built), Qt's Chinese texts in translations\ and the launcher apktool.bat;
#   readme.txt and recovery\readme.txt, the notes for the user, in code page 936 with CRLF line
#     ends as Notepad on a Chinese Windows reads them;
#   apktool.jar and signapk.jar, each a single jar made of Debian's jars: only Java is needed;
#   testkey.x509.pem and testkey.pk8, a signing pair made for this zip.
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
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

windows_text() {
    sed 's/$/\r/' "$1" | iconv -f UTF-8 -t CP936 > "$2"
}
windows_text "$root/packaging/windows/readme.txt" "$folder/readme.txt"
windows_text "$root/packaging/windows/recovery-readme.txt" "$folder/recovery/readme.txt"

gather_jars "$work/apktool" /usr/share/apktool/*.jar
write_jar "$work/apktool" "$folder/apktool.jar" brut.apktool.Main

# signapk.jar names bcprov, bcpkix and apksig on its class path. bcpkix names bcutil in turn,
# but signing an APK never loads it: only whole-file signing (-w) needs its CMS classes. Of
# bcprov, signing loads only the provider, which registers the post-quantum algorithms through
# classes of pqc/jcajce; their engines (pqc/crypto, pqc/legacy: more than half of bcprov) are
# never loaded and stay out.
gather_jars "$work/signapk" /usr/share/signapk/signapk.jar /usr/share/java/bcprov.jar \
    /usr/share/java/bcpkix.jar /usr/share/java/apksig.jar
rm -r "$work/signapk/org/bouncycastle/pqc/crypto" "$work/signapk/org/bouncycastle/pqc/legacy"
write_jar "$work/signapk" "$folder/signapk.jar" com.android.signapk.SignApk

"$root/scripts/make-test-key.sh" "$folder"

mkdir -p "$(dirname "$zip_file")"
rm -f "$zip_file"
(cd "$work" && find tarnwick | LC_ALL=C sort | zip -q -X -9 "$zip_file" -@)
echo "$zip_file: $(du -k "$zip_file" | cut -f1) KiB"
