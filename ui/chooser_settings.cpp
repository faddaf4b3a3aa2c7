#include "ui/chooser_settings.h"

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "host/paths.h"
#include "ui/qt_text.h"

namespace tarnwick::ui {

namespace fs = std::filesystem;

namespace {

// "*.img;*.bin" -> "*.img *.bin". Windows matches "*.*" against every name, Qt only against
// names with a dot.
QString QtPatterns(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty()) {
            result.append(trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
        }
    }
    return result.join(u' ');
}

// The absolute native folder of a program path; empty when it names none.
QString NativeFolder(const Text& programPath) {
    fs::path folder = NativePath(programPath);
    if (folder.empty()) {
        return {};
    }
    std::error_code error;
    fs::path absolute = fs::absolute(folder, error);
    return ToQString(error ? folder : absolute);
}

}  // namespace

NameFilters NameFiltersOf(const Text& filter, int initialFilter) {
    NameFilters result;
    // Bars are split in Unicode: in the program's encoding a '|' byte may be a trail byte.
    const QStringList parts = ToQString(filter).split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QtPatterns(parts[i + 1]);
        if (description.isEmpty() || patterns.isEmpty()) {
            break;
        }
        result.filters.append(QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    if (!result.filters.isEmpty()) {
        const int wanted = std::max(initialFilter, 0);
        result.selected = wanted < result.filters.size() ? wanted : 0;
    }
    return result;
}

ChooserStart ChooserStartOf(const FileChooser& chooser) {
    ChooserStart start{NativeFolder(chooser.initialDirectory), ToQString(chooser.fileName)};
    const qsizetype cut = start.name.lastIndexOf(u'\\');
    if (cut >= 0) {
        const QString folder = NativeFolder(TextFromQString(start.name.left(cut)));
        if (!folder.isEmpty()) {
            start.folder = folder;
        }
        start.name = start.name.mid(cut + 1);
    }
    return start;
}

QString DefaultSuffixOf(const Text& defaultExtension) {
    QString suffix = ToQString(defaultExtension);
    if (suffix.startsWith(u'.')) {
        suffix.remove(0, 1);
    }
    return suffix;
}

bool TakeChoice(FileChooser& chooser, const std::optional<QString>& chosenPath) {
    if (!chosenPath) {
        return false;
    }
    chooser.fileName = ProgramPath(PathFromQString(QDir::toNativeSeparators(*chosenPath)));
    return true;
}

}  // namespace tarnwick::ui
