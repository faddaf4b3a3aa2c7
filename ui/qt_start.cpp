#include "ui/qt_start.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#ifdef TARNWICK_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tarnwick::ui {

FontConfigurationReader::FontConfigurationReader() {
#ifdef TARNWICK_FONTCONFIG
    reading_ = std::thread([] { FcInit(); });
#endif
}

void FontConfigurationReader::Finish() {
    if (reading_.joinable()) {
        reading_.join();
    }
}

bool LoadQtChineseTexts() {
    // Qt's own folder (Debian's qt6-translations-l10n), then the folder a deployment puts
    // beside the program. qtbase holds the dialogs' texts; qt_zh_CN is the catalog that a
    // deployment merges all modules into.
    const QString folders[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
    };
    const QString files[] = {QStringLiteral("qtbase_zh_CN"), QStringLiteral("qt_zh_CN")};
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        for (const QString& file : files) {
            if (translator->load(file, folder)) {
                return QCoreApplication::installTranslator(translator);
            }
        }
    }
    delete translator;
    return false;
}

}  // namespace tarnwick::ui
