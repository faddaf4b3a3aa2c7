#include "steps/choose_file.h"

namespace tarnwick {

Text ChooseFile(Host& host, FileChooser& chooser, FileChooser::Kind kind, const Text& filter) {
    chooser.kind = kind;
    chooser.filter = filter;
    chooser.keepCurrentDirectory = true;  // the work files are named relative to it
    if (kind == FileChooser::Save) {
        host.ChooseSaveFile(chooser);
    } else {
        host.ChooseOpenFile(chooser);
    }
    return chooser.fileName;
}

}  // namespace tarnwick
