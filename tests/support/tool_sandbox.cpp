#include "tests/support/tool_sandbox.h"

namespace tarnwick::testing {

ToolSandbox::ToolSandbox(std::initializer_list<std::string> tools) {
    for (const std::string& tool : tools) {
        WriteTool(tool);
    }
}

void ToolSandbox::WriteTool(const std::string& name, const std::vector<std::string>& acts) const {
    InstallFakeTool(program, name, name, acts);
}

void ToolSandbox::RemoveTool(const std::string& name) const {
    RemoveFakeTool(program, name);
}

}  // namespace tarnwick::testing
