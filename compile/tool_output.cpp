#include "compile/tool_output.h"

#include "host/encoding.h"
#include "steps/shown_output.h"

namespace tarnwick::compile {

void ReadBackToolOutput(ui::InfoWindow& info, Host& host) {
    Bytes output = host.ReadFile("log.txt");  // first, then the second framework's log
    output += host.ReadFile("log2.txt");
    info.编辑框1.setContent(ShownToolOutput(ToolOutputText(ToText(output).bytes())));
    host.DeleteFile("log.txt");
    host.DeleteFile("log2.txt");
}

}  // namespace tarnwick::compile
