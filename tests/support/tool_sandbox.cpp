#include "tests/support/tool_sandbox.h"

namespace tarnwick::testing {

namespace {

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

}  // namespace

ToolSandbox::ToolSandbox(std::initializer_list<std::string> tools) {
    for (const std::string& tool : tools) {
        WriteTool(tool);
    }
}

void ToolSandbox::WriteTool(const std::string& name, const std::string& ending) const {
    program.Write(name, RecordingTool(name, records / "record.txt") + ending, true);
}

}  // namespace tarnwick::testing
