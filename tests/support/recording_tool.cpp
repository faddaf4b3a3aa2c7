#include "tests/support/recording_tool.h"

namespace tarnwick::testing {

std::string RecordingTool(const std::string& name, const std::filesystem::path& record) {
    return "#!/bin/sh\n"
           "record='" +
           record.string() +
           "'\n"
           "echo '[" +
           name +
           "]' >> \"$record\"\n"
           "for a in \"$@\"; do\n"
           "  printf '%s\\n' \"$a\" >> \"$record\"\n"
           "  if [ -f \"$a\" ]; then printf '<<' >> \"$record\"; cat \"$a\" >> \"$record\"; "
           "printf '>>\\n' >> \"$record\"; fi\n"
           "done\n";
}

}  // namespace tarnwick::testing
