#include "steps/choose_file.h"

namespace tarnwick {

std::optional<Text> ChooseFileIfConfirmed(Host& host, FileChooser& chooser, FileChooser::Kind kind,
                                          const Text& filter) {
    chooser.kind = kind;
    chooser.filter = filter;
    chooser.keepCurrentDirectory = true;  // the work files are named relative to it
    const bool confirmed =
        kind == FileChooser::Save ? host.ChooseSaveFile(chooser) : host.ChooseOpenFile(chooser);
    if (!confirmed) {
        return std::nullopt;
    }
    return chooser.fileName;
}

Text ChooseFile(Host& host, FileChooser& chooser, FileChooser::Kind kind, const Text& filter) {
    return ChooseFileIfConfirmed(host, chooser, kind, filter).value_or(chooser.fileName);
}

}  // namespace tarnwick
