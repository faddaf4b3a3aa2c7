#pragma once
// How a window's file chooser settings become the settings of a Qt file dialog, and how the
// dialog's answer goes back into the chooser. Plain functions, so they run without a dialog.

#include <QString>
#include <QStringList>
#include <optional>

#include "host/host.h"

namespace tarnwick::ui {

struct NameFilters {
    QStringList filters;  // "描述 (模式 模式)"; the dialog shows only the description
    int selected = -1;    // index of the entry selected at first; -1 when there is none
};

// "描述|模式|描述|模式" with the chooser's 0-based initial filter. The list ends at the first
// entry without a description or pattern, as "||" ends it; "*.*" stands for every file.
NameFilters NameFiltersOf(const Text& filter, int initialFilter);

struct ChooserStart {
    QString folder;  // native folder the dialog opens in; empty: the dialog's own choice
    QString name;    // the name shown at first; empty: none
};

// The current file name is shown by its bare name; when it holds a folder (the last confirmed
// path), the dialog opens there instead of in the initial directory.
ChooserStart ChooserStartOf(const FileChooser& chooser);

// ".img" -> "img": Qt wants the extension without its dot.
QString DefaultSuffixOf(const Text& defaultExtension);

// Confirmed with a native path: the chooser's file name becomes its program path and the
// result is true. Cancelled: the file name keeps its value and the result is false.
bool TakeChoice(FileChooser& chooser, const std::optional<QString>& chosenPath);

}  // namespace tarnwick::ui
