// The interpreter's reading of a line: splitting at & && ||, redirections, the word rules of
// its own commands and of the programs it starts. Besides not crashing: a path that the
// program puts into a command line (CommandLinePath) reaches the tool as exactly one argument,
// whatever characters it holds, as long as CanPassOnCommandLine lets it through.
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "host/command_paths.h"
#include "host/encoding.h"
#include "host/posix/cmd_line_parser.h"
#include "host/posix/windows_arguments.h"

using namespace tarnwick;
using namespace tarnwick::posix;

namespace {

void ReadLine(const Text& line) {
    if (const std::optional<Text> script = CmdScript(line)) {
        (void)ParseCmdLine(*script);
    }
    const std::optional<CmdLine> commands = ParseCmdLine(line);
    if (!commands) {
        return;
    }
    for (const OrChain& orChain : *commands) {
        for (const AndChain& andChain : orChain) {
            for (const CmdCommand& command : andChain) {
                (void)SplitCmdWords(command.text);
                (void)SplitArguments(SplitProgramName(command.text).rest);
            }
        }
    }
}

// "tool <path> next > out.txt": one command with one redirection, whose tool receives the path
// and "next"; the interpreter's own commands see three words too.
void PathIsOneArgument(const Text& path) {
    if (path.empty() || !CanPassOnCommandLine(path)) {
        return;
    }
    const std::optional<CmdLine> commands =
        ParseCmdLine("tool " + CommandLinePath(path) + " next > out.txt");
    if (!commands || commands->size() != 1 || (*commands)[0].size() != 1 ||
        (*commands)[0][0].size() != 1) {
        std::abort();
    }
    const CmdCommand& command = (*commands)[0][0][0];
    const std::vector<Text> words = SplitArguments(SplitProgramName(command.text).rest);
    if (words.size() != 2 || words[0] != path || words[1] != "next" ||
        command.redirections.size() != 1 || SplitCmdWords(command.text).size() != 3) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const Text line = Text::FromBytes(std::string(input.Piece()));
    ReadLine(line);
    // Paths come from the choosers and the edit boxes, converted: always whole characters.
    PathIsOneArgument(TextFromUtf8(input.Rest()));
    return 0;
}
