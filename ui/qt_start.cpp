#include "ui/qt_start.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#ifdef TARNWICK_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>
#endif

namespace tarnwick::ui {

#ifdef TARNWICK_FONTCONFIG
namespace {

void SetPolicy(std::thread::native_handle_type thread, int policy) {
    const sched_param priority{};
    pthread_setschedparam(thread, policy, &priority);
}

}  // namespace
#endif

FontConfigurationReader::FontConfigurationReader() {
#ifdef TARNWICK_FONTCONFIG
    // The reading runs only on a processor that Qt's start leaves idle: on two cores Qt, its
    // display server and the reading would otherwise take turns.
    reading_ = std::thread([] { FcInit(); });
    SetPolicy(reading_.native_handle(), SCHED_IDLE);
#endif
}

void FontConfigurationReader::Finish() {
    if (!reading_.joinable()) {
        return;
    }
#ifdef TARNWICK_FONTCONFIG
    // The window needs the fonts now: the reading gets its full share of a busy machine back.
    SetPolicy(reading_.native_handle(), SCHED_OTHER);
#endif
    reading_.join();
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
