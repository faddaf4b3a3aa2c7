#!/usr/bin/env bash
# Makes aapt.exe for x86_64 Windows from Debian's own source packages: aapt and libandroidfw
# (android-platform-frameworks-base), the Android libraries beneath them (android-platform-tools),
# libpng and expat, with zlib from Debian's MinGW-w64 build of it. C++ is compiled by clang for
# the MinGW target against MinGW-w64's libstdc++ (Android's sources are written for clang), C by
# MinGW-w64's gcc; everything is linked statically, so that aapt.exe loads only Windows' own DLLs.
# aapt.exe and the notices it ships with (licenses/) go to a cache folder keyed by aapt's version
# and the hashes of this script and of the project's patch; a finished one is reused.
# Prints the folder; its progress goes to stderr. TARNWICK_AAPT_MINGW_DIR overrides the folder.
set -euo pipefail
exec 3>&1 1>&2
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
patch="$top/packaging/windows/aapt-mingw.patch"

# The versions this build was written for: another one may need other flags or another patch.
sources=(android-platform-frameworks-base=1:10.0.0+r36-10 android-platform-tools=29.0.6-28
         libpng1.6=1.6.39-2+deb12u5 expat=2.5.0-1+deb12u2)
zlib=libz-mingw-w64-dev=1.2.13+dfsg-1
# The cache's key: aapt's version, the hashes of this script (it holds the other versions) and of
# the patch.
key="${sources[0]#*:}-$(sha256sum "${BASH_SOURCE[0]}" | cut -c1-10)-$(sha256sum "$patch" | cut -c1-10)"
prefix="${TARNWICK_AAPT_MINGW_DIR:-/var/cache/tarnwick/aapt-mingw-$key}"
work="$prefix.work"
[ -f "$prefix/.complete" ] && { echo "$prefix" >&3; exit 0; }

refuse() {
    echo "build-aapt-mingw.sh is written for Debian's $1 $2, but $3;" \
        "update the versions in this script (and the patch, if need be) for it." >&2
    exit 1
}
installed="$(dpkg-query -W -f='${Version}' "${zlib%%=*}" 2>/dev/null || true)"
[ "$installed" = "${zlib#*=}" ] ||
    refuse "${zlib%%=*}" "${zlib#*=}" "installed is '${installed:-none}'"
"$top/scripts/debian-sources.sh"
for source in "${sources[@]}"; do
    offered="$(apt-cache showsrc --only-source "${source%%=*}" | sed -n 's/^Version: //p')"
    if [ -z "$offered" ]; then
        echo "build-aapt-mingw.sh: apt knows no source of ${source%%=*} (no deb-src entry)" >&2
        exit 1
    fi
    grep -qxF "${source#*=}" <<<"$offered" ||
        refuse "${source%%=*}" "${source#*=}" "apt offers ${offered//$'\n'/ }"
done

"$top/scripts/fresh-cache-folder.sh" "$prefix"
cd "$work"
for source in "${sources[@]}"; do
    echo "build-aapt-mingw: fetching $source" >&2
    apt-get source -qq "$source" >/dev/null
    mv "${source%%=*}"-*/ "${source%%=*}"  # its folder without the version
done
patch -s -p1 <"$patch"

# expat's settings for Windows; libpng comes with those for every platform.
cat >expat/expat/lib/expat_config.h <<'EOF'
#define BYTEORDER 1234
#define XML_CONTEXT_BYTES 1024
#define XML_DTD 1
#define XML_NS 1
EOF
cp libpng1.6/scripts/pnglibconf.h.prebuilt libpng1.6/pnglibconf.h

# Android's flags for Windows hosts (Windows 7 on, 64-bit file offsets, C99 printf formats),
# static expat, and glibc's __THROW, which a Debian patch of libcutils uses, as nothing. C++ as
# Debian builds aapt, gnu++17: in C++20, libstdc++'s memory_order is a scoped enum, which
# libcutils' atomic.h does not expect. clang finds MinGW-w64's headers by the sysroot but its
# libstdc++ only when told, and its own thread-local storage is not the emulated one of libstdc++.
fw=android-platform-frameworks-base
core=android-platform-tools/system/core
flags=(-O2 -w -DNDEBUG -DWIN32_LEAN_AND_MEAN -D_WIN32_WINNT=0x0601 -DWINVER=0x0601
       -D_FILE_OFFSET_BITS=64 -D__USE_MINGW_ANSI_STDIO=1 -D__STDC_FORMAT_MACROS
       -D__STDC_CONSTANT_MACROS -DZLIB_CONST -DXML_STATIC -DSTATIC_ANDROIDFW_FOR_TOOLS -D__THROW=
       -Ilibpng1.6 -Iexpat/expat/lib -I"$fw"/libs/androidfw/include
       -Iandroid-platform-tools/frameworks/native/include
       -I"$core"/{base,liblog,libcutils,libutils,libsystem,libziparchive}/include -I"$core"/include)
gcc_cxx=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
cat >build.ninja <<EOF
flags = ${flags[*]}
rule cc
  command = x86_64-w64-mingw32-gcc-posix \$flags -c \$in -o \$out
  description = \$in
rule cxx
  command = clang++ --target=x86_64-w64-mingw32 --sysroot=/usr/x86_64-w64-mingw32 -nostdinc++ $(
    )-isystem $gcc_cxx -isystem $gcc_cxx/x86_64-w64-mingw32 -femulated-tls -std=gnu++17 $(
    )\$flags -c \$in -o \$out
  description = \$in
rule ar
  command = x86_64-w64-mingw32-ar crs \$out \$in
  description = \$out
rule link
  command = x86_64-w64-mingw32-g++-posix -static -s -o \$out \$in -lz
  description = \$out
EOF
# A static library of the given sources, linked into aapt.exe before those added earlier.
archives=""
library() {
    local name="$1" src objects=""
    shift
    for src in "$@"; do
        echo "build obj/$src.o: $([ "${src##*.}" = c ] && echo cc || echo cxx) $src"
        objects+=" obj/$src.o"
    done >>build.ninja
    echo "build lib$name.a: ar$objects" >>build.ninja
    archives="lib$name.a $archives"
}
# Each library's sources as upstream builds them for Windows (the windows targets of their
# Android.bp), less those aapt does not use: libutils' Errors.cpp and libziparchive's writer.
library png libpng1.6/{png,pngerror,pngget,pngmem,pngpread,pngread,pngrio,pngrtran,pngrutil}.c \
    libpng1.6/{pngset,pngtrans,pngwio,pngwrite,pngwtran,pngwutil}.c
library expat expat/expat/lib/{xmlparse,xmlrole,xmltok}.c
library base $core/base/{abi_compatibility,chrono_utils,errors_windows,file,liblog_symbols}.cpp \
    $core/base/{logging,mapped_file,parsebool,parsenetaddress,process,properties}.cpp \
    $core/base/{stringprintf,strings,threads,test_utils,utf8}.cpp
library log $core/liblog/{log_event_list,log_event_write,logger_name,logger_read}.cpp \
    $core/liblog/{logger_write,logprint,properties}.cpp
library cutils $core/libcutils/{config_utils,iosched_policy,load_file,native_handle}.cpp \
    $core/libcutils/{record_stream,threads}.cpp $core/libcutils/strlcpy.c
library utils $core/libutils/{FileMap,JenkinsHash,NativeHandle,Printer,PropertyMap,RefBase}.cpp \
    $core/libutils/{SharedBuffer,StopWatch,String8,String16,StrongPointer,SystemClock}.cpp \
    $core/libutils/{Threads,Timers,Tokenizer,Unicode,VectorImpl,misc}.cpp
library ziparchive $core/libziparchive/{zip_archive,zip_archive_stream_entry}.cc
library androidfw $fw/libs/androidfw/{ApkAssets,Asset,AssetDir,AssetManager,AssetManager2}.cpp \
    $fw/libs/androidfw/{AttributeResolution,ChunkIterator,ConfigDescription,Idmap}.cpp \
    $fw/libs/androidfw/{LoadedArsc,Locale,LocaleData,misc,ObbFile,PosixUtils,ResourceTypes}.cpp \
    $fw/libs/androidfw/{ResourceUtils,StreamingZipInflater,TypeWrappers,Util,ZipFileRO}.cpp \
    $fw/libs/androidfw/ZipUtils.cpp
library aapt $fw/tools/aapt/{AaptAssets,AaptConfig,AaptUtil,AaptXml,ApkBuilder,Command}.cpp \
    $fw/tools/aapt/{CrunchCache,FileFinder,Images,Main,Package,pseudolocalize,Resource}.cpp \
    $fw/tools/aapt/{ResourceFilter,ResourceIdCache,ResourceTable,SourcePos,StringPool}.cpp \
    $fw/tools/aapt/{WorkQueue,XMLNode,ZipEntry,ZipFile}.cpp
echo "build aapt.exe: link $archives" >>build.ninja
echo "build-aapt-mingw: compiling" >&2
ninja -j "${TARNWICK_AAPT_MINGW_JOBS:-2}" aapt.exe >&2

# The notices: each source package's copyright file, the NOTICE files of the Android parts
# (Apache-2.0 asks for them) and the project's changes to them.
cp aapt.exe "$prefix/"
mkdir "$prefix/licenses"
for source in "${sources[@]}"; do
    cp "${source%%=*}/debian/copyright" "$prefix/licenses/${source%%=*}.txt"
done
cp "/usr/share/doc/${zlib%%=*}/copyright" "$prefix/licenses/${zlib%%=*}.txt"
# The NOTICE files are named as the adb build names them, so that the zip holds each once.
cp $fw/NOTICE "$prefix/licenses/NOTICE-frameworks-base.txt"
cp $core/NOTICE "$prefix/licenses/NOTICE-system-core.txt"
cp $core/liblog/NOTICE "$prefix/licenses/NOTICE-system-core-liblog.txt"
cp "$patch" "$prefix/licenses/aapt-changes.txt"
# This folder's part of the zip's licence note (licenses\readme.txt).
cat >"$prefix/licenses/readme.txt" <<EOF
aapt.exe 由 Debian 12 的源码包 android-platform-frameworks-base ${sources[0]#*=}(aapt 及
libandroidfw)、android-platform-tools ${sources[1]#*=}(其下的 Android 库)、libpng1.6
${sources[2]#*=} 和 expat ${sources[3]#*=} 编译为 64 位 Windows 程序,编译方法见 Tarnwick 源码中的
scripts/build-aapt-mingw.sh,Tarnwick 对源码所做的修改列在 aapt-changes.txt 中。其中 Android
的部分按 Apache License 2.0 发布(见 android-platform-frameworks-base.txt、
common-licenses\\Apache-2.0.txt 和 NOTICE-*.txt),libpng 和 expat 的许可证见
libpng1.6.txt 和 expat.txt,静态链入的 zlib 见 libz-mingw-w64-dev.txt。这些源码包可在 Debian
的软件源中用 apt-get source 取得。
EOF
touch "$prefix/.complete"
cd / && rm -rf "$work"
echo "$prefix" >&3
