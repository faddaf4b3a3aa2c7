#!/usr/bin/env bash
# Makes adb.exe, fastboot.exe, AdbWinApi.dll and AdbWinUsbApi.dll for 64-bit Windows from Debian's
# source package android-platform-tools alone, with Debian's MinGW-w64 and clang, into a cache
# folder outside the repository, beside the licence and notice files they come with. The folder's
# name holds the Debian version and the hashes of this script and of the project's patch, so a
# finished folder is reused until one of them changes. Prints the folder; its progress goes to
# stderr. TARNWICK_ANDROID_TOOLS_DIR overrides where it goes.
set -euo pipefail
exec 3>&1 1>&2
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
debian_version=29.0.6-28
patch="$top/packaging/windows/android-tools-mingw.patch"
hash_of() { sha256sum "$1" | cut -c1-10; }
key="$debian_version-$(hash_of "${BASH_SOURCE[0]}")-$(hash_of "$patch")"
prefix="${TARNWICK_ANDROID_TOOLS_DIR:-/var/cache/tarnwick/android-tools-$key}"
work="$prefix.work"
[ "$(cat "$prefix/.complete" 2>/dev/null)" = "$key" ] && { echo "$prefix" >&3; exit 0; }

"$top/scripts/debian-sources.sh"
offered="$(apt-cache showsrc android-platform-tools | sed -n 's/^Version: //p' | sort -u)"
if ! grep -qxF "$debian_version" <<<"$offered"; then
    echo "build-android-tools-mingw.sh and its patch are written for android-platform-tools" \
        "$debian_version; this machine's package sources offer: ${offered:-none}" >&2
    exit 1
fi

"$top/scripts/fresh-cache-folder.sh" "$prefix"
cd "$work"
apt-get source -qq "android-platform-tools=$debian_version" >/dev/null
cd "android-platform-tools-${debian_version%-*}"
patch -p1 -s <"$patch"

# C++ with clang (the sources use its thread-safety attributes, which g++ rejects) against
# MinGW-w64's libstdc++, whose thread-local storage is emulated; C and linking with MinGW-w64's
# gcc, which links libstdc++, winpthreads and zlib statically: the files then need nothing but
# Windows' own DLLs and each other.
gcc_headers=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
cxx=(clang++ --target=x86_64-w64-mingw32 --sysroot=/usr/x86_64-w64-mingw32 -femulated-tls
     -isystem "$gcc_headers" -isystem "$gcc_headers/x86_64-w64-mingw32" -isystem "$gcc_headers/backward")
cc=x86_64-w64-mingw32-gcc-posix
link="x86_64-w64-mingw32-g++-posix -static -s"  # -s: stripped

# library NAME FLAGS FOLDER SOURCE...: ninja lines that compile each source of FOLDER (C++ or C,
# by its suffix) with FLAGS and archive the objects into NAME.a.
library() {
    local name="$1" flags="$2" folder="$3" source objects=()
    shift 3
    for source in "$@"; do
        local object="obj/$folder/${source%.*}.o"
        case "$source" in
            *.c) echo "build $object: cc $folder/$source" ;;
            *) echo "build $object: cxx $folder/$source" ;;
        esac
        # shellcheck disable=SC2086 # the flags' lines joined into one
        echo "  flags =" $flags
        objects+=("$object")
    done
    echo "build $name.a: ar ${objects[*]}"
}

core=system/core
usb=development/host/windows/usb
# As Android's own Windows build: narrow windows.h (its wincrypt.h clashes with BoringSSL), C99
# printf formats (%zu) from MinGW-w64 rather than msvcrt's, Windows 7's calls at most. -w: the
# warnings are those of sources not ours. mingw/ holds the patch's stand-in headers.
android="-O2 -w -DUSE_MINGW -DWIN32_LEAN_AND_MEAN -D__USE_MINGW_ANSI_STDIO=1 -D_WIN32_WINNT=0x0601
         -DWINVER=0x0601 -D_GNU_SOURCE -D_POSIX_SOURCE
         -DPLATFORM_TOOLS_VERSION='\"${debian_version%-*}\"'
         -I$core/include -I$core/base/include -I$core/liblog/include -I$core/libcutils/include
         -Iexternal/boringssl/src/include -Imingw"
cxx17="$android -std=gnu++17"
cxx20="$android -std=gnu++2a"
# adb and AdbWinApi take wide-character Windows calls, the libraries the narrow ones.
wide="-DUNICODE -D_UNICODE"
# adb's sysdeps.h renames getenv, which libstdc++'s <cstdlib> must see first.
adb="$cxx20 $wide -include stdlib.h -DADB_HOST=1 -I$core/adb -I$core/diagnose_usb/include
     -I$core/libcrypto_utils/include -I$usb/api"
fastboot="$cxx20 -D_FILE_OFFSET_BITS=64 -I$core/adb -I$core/diagnose_usb/include
          -I$core/fs_mgr/liblp/include -I$core/libsparse/include -I$core/libziparchive/include
          -Iexternal/avb -Isystem/extras/ext4_utils/include -Isystem/tools/mkbootimg/include/bootimg
          -I$usb/api"
usb_api="-O2 -w -std=gnu++17 -DNDEBUG $wide -DWIN32 -D_WINDOWS -Imingw"
# BoringSSL in portable C: its assembly is written for other assemblers.
crypto_sources=$(sed -n '/^crypto_sources :=/,/^$/p' external/boringssl/sources.mk |
                 grep -o '[^ \\]*\.c')

adb_libs=(libadb.a libcrypto_utils.a libcrypto.a libdiagnose_usb.a libcutils.a libbase.a liblog.a
          libAdbWinApi.dll.a)
fastboot_libs=(liblp.a libziparchive.a libsparse.a libdiagnose_usb.a libcrypto.a libcutils.a
               libbase.a liblog.a libAdbWinApi.dll.a)
{
    cat <<EOF
rule cxx
  command = ${cxx[*]} \$flags -c \$in -o \$out
  description = \$in
rule cc
  command = $cc \$flags -c \$in -o \$out
  description = \$in
rule ar
  command = rm -f \$out && x86_64-w64-mingw32-ar rcs \$out \$in
  description = \$out
rule link
  command = $link -o \$out -Wl,--whole-archive \$in -Wl,--no-whole-archive \$libs
  description = \$out
EOF
    # The source lists follow the Windows targets of each library's Android.bp.
    library liblog "$cxx20 -DFAKE_LOG_DEVICE=1 -DLIBLOG_LOG_TAG=1006 -DSNET_EVENT_LOG_TAG=1397638484" \
        $core/liblog log_event_list.cpp log_event_write.cpp logger_name.cpp logger_read.cpp \
        logger_write.cpp logprint.cpp properties.cpp
    library libbase "$cxx20 -DNO_LIBLOG_DLSYM" $core/base abi_compatibility.cpp chrono_utils.cpp \
        errors_windows.cpp file.cpp liblog_symbols.cpp logging.cpp mapped_file.cpp parsebool.cpp \
        parsenetaddress.cpp process.cpp properties.cpp stringprintf.cpp strings.cpp threads.cpp \
        test_utils.cpp utf8.cpp
    # A Debian patch of libcutils uses glibc's __THROW.
    library libcutils "$cxx20 -D__THROW=" $core/libcutils config_utils.cpp iosched_policy.cpp \
        load_file.cpp native_handle.cpp record_stream.cpp sockets.cpp threads.cpp strlcpy.c \
        socket_inaddr_any_server_windows.cpp socket_network_client_windows.cpp sockets_windows.cpp \
        trace-host.cpp
    # shellcheck disable=SC2086 # one source a word
    library libcrypto "-O2 -w -std=gnu11 -DOPENSSL_NO_ASM -Iexternal/boringssl/src/include" \
        external/boringssl $crypto_sources
    library libcrypto_utils "-O2 -w -I$core/libcrypto_utils/include -Iexternal/boringssl/src/include" \
        $core/libcrypto_utils android_pubkey.c
    library libdiagnose_usb "$cxx20 -I$core/diagnose_usb/include" $core/diagnose_usb diagnose_usb.cpp
    library libziparchive "$cxx17 -DZLIB_CONST -D_FILE_OFFSET_BITS=64 -I$core/libziparchive/include" \
        $core/libziparchive zip_archive.cc zip_archive_stream_entry.cc zip_writer.cc
    library libsparse "$cxx20 -I$core/libsparse/include" $core/libsparse backed_block.cpp \
        output_file.cpp sparse.cpp sparse_crc32.cpp sparse_err.cpp sparse_read.cpp
    library liblp "$fastboot" $core/fs_mgr/liblp builder.cpp images.cpp partition_opener.cpp \
        property_fetcher.cpp reader.cpp utility.cpp writer.cpp
    library libadb "$adb" $core/adb adb.cpp adb_io.cpp adb_listeners.cpp adb_trace.cpp \
        adb_unique_fd.cpp adb_utils.cpp services.cpp sockets.cpp socket_spec.cpp transport.cpp \
        transport_fd.cpp transport_local.cpp transport_usb.cpp types.cpp fdevent/fdevent.cpp \
        fdevent/fdevent_poll.cpp sysdeps/errno.cpp client/auth.cpp client/usb_dispatch.cpp \
        client/usb_windows.cpp sysdeps_win32.cpp sysdeps/win32/errno.cpp sysdeps/win32/stat.cpp \
        client/mdns_none.cpp
    library adb "$adb" $core/adb client/adb_client.cpp client/bugreport.cpp client/commandline.cpp \
        client/file_sync_client.cpp client/main.cpp client/console.cpp client/adb_install.cpp \
        client/line_printer.cpp shell_service_protocol.cpp
    library fastboot "$fastboot" $core/fastboot bootimg_utils.cpp fastboot.cpp fastboot_driver.cpp \
        fs.cpp main.cpp socket.cpp tcp.cpp udp.cpp usb_windows.cpp util.cpp
    library AdbWinApi "$usb_api -DADBWIN_EXPORTS" $usb/api adb_api.cpp adb_endpoint_object.cpp \
        adb_helper_routines.cpp adb_interface.cpp adb_interface_enum.cpp adb_io_completion.cpp \
        adb_legacy_endpoint_object.cpp adb_legacy_interface.cpp adb_legacy_io_completion.cpp \
        adb_object_handle.cpp AdbWinApi.cpp
    library AdbWinUsbApi "$usb_api -DADBWINUSB_EXPORTS" $usb/winusb adb_winusb_endpoint_object.cpp \
        adb_winusb_interface.cpp adb_winusb_io_completion.cpp AdbWinUsbApi.cpp
    # Each file links its own objects whole, then what they call on.
    cat <<EOF
build AdbWinApi.dll: link AdbWinApi.a
  libs = -shared -Wl,--out-implib,libAdbWinApi.dll.a -lsetupapi
build libAdbWinApi.dll.a: phony AdbWinApi.dll
build AdbWinUsbApi.dll: link AdbWinUsbApi.a | libAdbWinApi.dll.a
  libs = -shared libAdbWinApi.dll.a -lwinusb -lsetupapi
build adb.exe: link adb.a | ${adb_libs[*]}
  libs = -municode -Wl,--start-group ${adb_libs[*]} -Wl,--end-group -lws2_32 -lgdi32 -luserenv
build fastboot.exe: link fastboot.a | ${fastboot_libs[*]}
  libs = -Wl,--start-group ${fastboot_libs[*]} -Wl,--end-group -lz -lws2_32
EOF
} >build.ninja
# No discovery of devices over mDNS, as in Debian's adb: it needs a library left out.
echo 'void init_mdns_transport_discovery(void) {}' >$core/adb/client/mdns_none.cpp
tools=(adb.exe fastboot.exe AdbWinApi.dll AdbWinUsbApi.dll)
nice -n 10 ninja -j "${TARNWICK_ANDROID_TOOLS_JOBS:-2}" "${tools[@]}"
cp "${tools[@]}" "$prefix"

# What their licences ask to go with them: Debian's copyright file of the source package, the
# NOTICE files of the folders built from, and the changes made here (the commented patch).
mkdir "$prefix/licenses"
cp debian/copyright "$prefix/licenses/android-platform-tools.txt"
for folder in $core $core/{adb,libcutils,liblog} $usb external/boringssl; do
    cp "$folder/NOTICE" "$prefix/licenses/NOTICE-${folder//\//-}.txt"
done
cp "$patch" "$prefix/licenses/android-platform-tools-changes.txt"
# This folder's part of the zip's licence note (licenses\readme.txt).
cat >"$prefix/licenses/readme.txt" <<EOF
adb.exe、fastboot.exe、AdbWinApi.dll 和 AdbWinUsbApi.dll 由 Debian 12 的源码包
android-platform-tools $debian_version 编译为 64 位 Windows 程序,编译方法见 Tarnwick 源码中的
scripts/build-android-tools-mingw.sh,Tarnwick 对源码所做的修改逐条列在
android-platform-tools-changes.txt 中。其中 Android 的部分按 Apache License 2.0 发布(见
android-platform-tools.txt、common-licenses\Apache-2.0.txt 和 NOTICE-*.txt),BoringSSL 按
OpenSSL、SSLeay 和 ISC 许可证发布(见 NOTICE-external-boringssl.txt);静态链入的 zlib、
MinGW-w64 运行库(含 winpthreads)和 GCC 运行库(libstdc++ 和 libgcc,适用 GCC 运行库例外条款)
的许可证见 libz-mingw-w64-dev.txt、mingw-w64-x86-64-dev.txt 和
gcc-mingw-w64-x86-64-posix-runtime.txt。该源码包可在 Debian 的软件源中用
apt-get source android-platform-tools=$debian_version 取得。
EOF
echo "$key" >"$prefix/.complete"
cd / && rm -rf "$work"
echo "$prefix" >&3
