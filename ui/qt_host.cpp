#include "ui/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <filesystem>
#include <system_error>
#include <utility>

#include "host/message_lines.h"
#include "host/paths.h"
#include "ui/chooser_settings.h"
#include "ui/qt_text.h"

namespace tarnwick::ui {

namespace fs = std::filesystem;

namespace {

enum MessageStyle { StyleOk = 0, StyleOkCancel = 1 };

// Qt's own dialog where the native one would not follow the chooser's settings; Windows has
// its native dialogs.
void UseQtDialog(QFileDialog& dialog) {
#ifndef Q_OS_WIN
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#else
    Q_UNUSED(dialog);
#endif
}

// A dialog that changes the current directory is put back: every relative work file of the
// program resolves in the program directory.
class KeptCurrentDirectory {
public:
    explicit KeptCurrentDirectory(bool keep) {
        if (keep) {
            std::error_code error;
            folder_ = fs::current_path(error);
        }
    }
    ~KeptCurrentDirectory() {
        if (!folder_.empty()) {
            std::error_code error;
            fs::current_path(folder_, error);
        }
    }
    KeptCurrentDirectory(const KeptCurrentDirectory&) = delete;
    KeptCurrentDirectory& operator=(const KeptCurrentDirectory&) = delete;

private:
    fs::path folder_;
};

void Configure(QFileDialog& dialog, const FileChooser& chooser) {
    UseQtDialog(dialog);
    if (chooser.kind == FileChooser::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !chooser.promptBeforeOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(chooser.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
    }
    // Qt has no counterparts of prompt to create and path must exist: its dialogs only ever
    // open in existing folders and never create a file themselves.
    if (!chooser.title.empty()) {
        dialog.setWindowTitle(ToQString(chooser.title));
    }

    // The option comes first: the dialog strips the patterns from the filters as they are set.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const NameFilters filters = NameFiltersOf(chooser.filter, chooser.initialFilter);
    if (!filters.filters.isEmpty()) {
        dialog.setNameFilters(filters.filters);
        dialog.selectNameFilter(filters.filters[filters.selected]);
    }

    dialog.setDefaultSuffix(DefaultSuffixOf(chooser.defaultExtension));
    const ChooserStart start = ChooserStartOf(chooser);
    if (!start.folder.isEmpty()) {
        dialog.setDirectory(start.folder);
    }
    if (!start.name.isEmpty()) {
        dialog.selectFile(start.name);
    }
}

}  // namespace

QtHost::QtHost(FolderWalker walker) : PlatformHost(&processWait_, std::move(walker)) {}

int QtHost::ShowMessage(const Text& content, int style, std::optional<Text> title) {
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    QString caption = title ? ToQString(*title) : QStringLiteral("信息：");
    // Qt captions an untitled window with the application's name; a blank keeps the caption
    // empty.
    if (caption.isEmpty()) {
        caption = QStringLiteral(" ");
    }
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(
        ToQString(MessageInLines(content)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if (style == StyleOkCancel) {
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    }
    box.setDefaultButton(ok);
    // Esc and the close button press the escape button.
    box.setEscapeButton(cancel != nullptr ? cancel : ok);
    box.exec();
    return cancel != nullptr && box.clickedButton() == cancel ? MessageCancel : MessageOk;
}

void QtHost::Pause(int milliseconds) {
    PauseWithoutInput(milliseconds);
}

void QtHost::AppendLog(LogBox& box, const Text& text) {
    box.AppendAtEnd(text);
}

bool QtHost::OpenChooser(FileChooser& chooser) {
    KeptCurrentDirectory kept(chooser.keepCurrentDirectory);
    QFileDialog dialog(QApplication::activeWindow());
    Configure(dialog, chooser);
    std::optional<QString> chosen;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        chosen = dialog.selectedFiles().constFirst();
    }
    return TakeChoice(chooser, chosen);
}

Text QtHost::ChooseFolder(const Text& instruction, std::optional<bool> includeFiles) {
    QFileDialog dialog(QApplication::activeWindow(), ToQString(instruction), QDir::homePath());
    UseQtDialog(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, !includeFiles.value_or(false));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return ProgramPath(
        PathFromQString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst())));
}

// The system opens the target with its default application, whatever the verb: there is no
// portable edit or print. A folder ("c:\\") opens in the file browser.
void QtHost::ShellOpen(int /*verb*/, const Text& target, std::optional<Text> /*parameters*/,
                       std::optional<Text> /*directory*/, std::optional<int> /*windowMode*/) {
    const fs::path path = NativePath(target);
    if (path.empty()) {
        return;
    }
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(error ? path : absolute)));
}

}  // namespace tarnwick::ui
