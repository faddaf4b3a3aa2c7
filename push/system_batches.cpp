#include "push/system_batches.h"

#include <initializer_list>

#include "host/command_paths.h"

namespace tarnwick::push {

namespace {

const char* const kMountSystem =
    "adb shell \"mount -orw -text4 /dev/block/platform/msm_sdcc.1/by-name/system /system\"";
const char* const kMountData =
    "adb shell \"mount -orw -text4 /dev/block/platform/msm_sdcc.1/by-name/userdata /data\"";

Text BatchLines(std::initializer_list<Text> lines) {
    Text content;
    for (const Text& line : lines) {
        content += line + "\r\n";
    }
    return content;
}

}  // namespace

BatchFile ThroughRecoveryBatch(const Text& source, const Text& directory, const Text& name) {
    const Text target = directory + name;
    return {"NOpush.bat", BatchLines({
                              kMountSystem,
                              kMountData,
                              "adb push " + CommandLinePath(source) + " " + target,
                              "adb shell su -c chmod 644 " + target,
                              "adb shell su -c chown 0.0 " + target,
                              "del NOpush.bat",
                          })};
}

BatchFile WithRootBatch(const Text& source, const Text& directory, const Text& name) {
    const Text temporary = "/data/local/tmp/" + name;
    const Text target = directory + name;
    return {"syspush.bat",
            BatchLines({
                "adb push " + CommandLinePath(source) + " " + temporary,
                "adb shell su -c mount -o remount,rw -t ext4 /system /system",
                "",
                "adb shell su -c mount -o remount,rw -t ext4 /data /data",
                "adb shell su -c cp " + temporary + " " + directory,  // the directory alone
                "adb shell su -c chmod 644 " + target,
                "adb shell su -c chown 0.0 " + target,
                "adb shell rm -f " + temporary,
                "del syspush.bat",
            })};
}

}  // namespace tarnwick::push
