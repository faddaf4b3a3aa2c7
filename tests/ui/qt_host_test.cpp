// The Qt side of the host: message boxes, choosers, shell open and the waits, driven through
// their dialogs as soon as those are shown.
#include "ui/qt_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "host/command_runner.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/qt_printers.h"
#include "ui/qt_text.h"

namespace tarnwick::ui {
namespace {

namespace fs = std::filesystem;
using testing::CurrentDirectory;
using testing::ScopedEnvironment;
using testing::TempFolder;

// Runs `act` on the modal dialog of kind D once it is shown (event-driven, no waiting).
template <typename D>
void WhenShown(std::function<void(D*)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            act(dialog);
        } else {
            WhenShown<D>(act);
        }
    });
}

QAbstractButton* ButtonNamed(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

void PressEscape(QWidget* widget) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &escape);
}

// --- message boxes ---

// The caption the platform shows, as it reads: Qt captions a window whose title is empty with
// the application's display name (its name unless one is set).
QString PlatformCaption(const QWidget* window) {
    return (window->windowTitle().isEmpty() ? QGuiApplication::applicationDisplayName()
                                            : window->windowTitle())
        .trimmed();
}

TEST(ShowMessageTest, TitleOmittedIsTheInfoCaptionAndGivenIsExact) {
    QtHost host;
    const struct {
        std::optional<Text> title;
        QString caption;
    } cases[] = {
        {std::nullopt, "信息："},
        {Text(""), ""},
        {Text("重启?"), "重启?"},
    };
    for (const auto& c : cases) {
        QString caption = "unseen";
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            caption = PlatformCaption(box);
            box->close();
        });
        host.ShowMessage("内容", 0, c.title);
        EXPECT_EQ(caption, c.caption);
    }
}

// Its line breaks stay; a long path is broken so that the box fits the screen.
TEST(ShowMessageTest, ContentIsShownWithItsLineBreaksInLinesThatFitTheScreen) {
    QtHost host;
    QString shown;
    Qt::WindowModality modality = Qt::NonModal;
    int width = 0;
    const auto read = [&](QMessageBox* box) {
        shown = box->text();
        modality = box->windowModality();
        width = box->frameGeometry().width();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->close();
    };
    WhenShown<QMessageBox>(read);
    host.ShowMessage("操作已完成\r\n<b>请重启</b>  \r\n", 0, "");
    EXPECT_EQ(shown, "操作已完成\n<b>请重启</b>  \n");
    EXPECT_EQ(modality, Qt::ApplicationModal);
    std::string deep = "C:";
    for (int folder = 0; folder < 60; ++folder) {
        deep += "\\文件夹";  // 7 columns
    }
    WhenShown<QMessageBox>(read);
    host.ShowMessage("无法检查输出目录:\r\n\r\n" + Text(deep.c_str()), 0, "警告!");
    EXPECT_GE(shown.count('\n'), 2 + (2 + 60 * 7) / 80);
    EXPECT_LE(width, QApplication::primaryScreen()->availableGeometry().width());
}

TEST(ShowMessageTest, StyleZeroHasOneButtonAndAlwaysGivesOk) {
    QtHost host;
    const std::function<void(QMessageBox*)> closings[] = {
        [](QMessageBox* box) { ButtonNamed(box, "确定")->click(); },
        [](QMessageBox* box) { PressEscape(box); },
        [](QMessageBox* box) { box->close(); },
    };
    for (const auto& close : closings) {
        QStringList buttons;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                buttons.append(button->text());
            }
            close(box);
        });
        EXPECT_EQ(host.ShowMessage("内容", 0, "标题"), MessageOk);
        EXPECT_EQ(buttons, QStringList{"确定"});
    }
}

TEST(ShowMessageTest, StyleOneGivesOkOnlyForTheOkButton) {
    QtHost host;
    const struct {
        std::function<void(QMessageBox*)> close;
        int result;
    } cases[] = {
        {[](QMessageBox* box) { ButtonNamed(box, "确定")->click(); }, MessageOk},
        {[](QMessageBox* box) { ButtonNamed(box, "取消")->click(); }, MessageCancel},
        {[](QMessageBox* box) { PressEscape(box); }, MessageCancel},
        {[](QMessageBox* box) { box->close(); }, MessageCancel},
    };
    for (const auto& c : cases) {
        QStringList buttons;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                buttons.append(button->text());
            }
            c.close(box);
        });
        EXPECT_EQ(host.ShowMessage("立即进入Recovery?", 1, "重启?"), c.result);
        EXPECT_EQ(buttons.size(), 2);
        EXPECT_TRUE(buttons.contains("确定") && buttons.contains("取消"));
    }
}

// --- waits ---

// A window that counts what reaches it.
class WaitWitness : public QWidget {
public:
    int input = 0;
    int paints = 0;
    int closes = 0;
    std::function<void()> painted;

protected:
    void paintEvent(QPaintEvent*) override {
        ++paints;
        if (painted) {
            painted();
        }
    }
    void mousePressEvent(QMouseEvent*) override { ++input; }
    void mouseReleaseEvent(QMouseEvent*) override { ++input; }
    void keyPressEvent(QKeyEvent*) override { ++input; }
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        event->ignore();
    }
};

// The user clicks, types and asks to close the window, through the window system and as
// posted events; the program asks for a repaint and posts a close of its own.
void ActDuringTheWait(WaitWitness& window) {
    QWindow* handle = window.windowHandle();
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(handle, Qt::Key_A);
    QCloseEvent userClose;
    QSpontaneKeyEvent::setSpontaneous(&userClose);
    QCoreApplication::instance()->notify(handle, &userClose);
    QCoreApplication::postEvent(&window, new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5),
                                                         window.mapToGlobal(QPointF(5, 5)),
                                                         Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(&window,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b"));

    window.update();
    QCoreApplication::postEvent(&window, new QCloseEvent);
}

TEST(WaitTest, UserInputIsDroppedWhileRepaintsAndTheProgramsOwnClosesGoOn) {
    TempFolder program;
    CurrentDirectory current{program.path()};
    // The tool runs until the test lets it end, once the window has been repainted.
#ifdef _WIN32
    program.Write("tool.bat", ":wait\r\nif not exist ended goto wait\r\n");
#else
    program.Write("tool", "#!/bin/sh\nwhile [ ! -e ended ]; do sleep 0.01; done\n", true);
#endif
    QtHost host;
    QtProcessWait processWait;
    CommandRunner runner(program.path(), &processWait);
    // A walk through a folder that lasts as long as the tool (for a few seconds at most).
    QtHost slowWalks([&](const Text&, const Text&) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!fs::exists(program / "ended") && std::chrono::steady_clock::now() < end) {
            std::this_thread::yield();
        }
        return FolderWalkResult{FolderWalk::HoldsFile, {}, {}};
    });
    const struct {
        const char* name;
        std::function<void()> wait;
    } waits[] = {
        {"Pause", [&] { host.Pause(50); }},
        {"RunCommand", [&] { EXPECT_TRUE(runner.Run("cmd /c tool", true, 1).Succeeded()); }},
        {"RunCommand that fails",
         [&] { EXPECT_FALSE(runner.Run("cmd /c tool&nosuchtool", true, 1).Succeeded()); }},
        {"WalkFolder",
         [&] { EXPECT_EQ(slowWalks.WalkFolder("C:\\out", "").found, FolderWalk::HoldsFile); }},
    };
    for (const auto& wait : waits) {
        fs::remove(program / "ended");
        WaitWitness window;
        window.show();
        QCoreApplication::processEvents();
        const int paintsBefore = window.paints;
        std::optional<Qt::CursorShape> pointer;  // the program's pointer during the wait
        QTimer::singleShot(0, [&] {
            if (const QCursor* cursor = QGuiApplication::overrideCursor()) {
                pointer = cursor->shape();
            }
            ActDuringTheWait(window);
            window.painted = [&] { program.Write("ended", ""); };
        });
        wait.wait();
        EXPECT_GT(window.paints, paintsBefore) << wait.name;
        EXPECT_EQ(window.closes, 1) << wait.name;
        EXPECT_EQ(pointer, Qt::WaitCursor) << wait.name;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << wait.name;

        QCoreApplication::processEvents();  // nothing was kept for afterwards
        EXPECT_EQ(window.input, 0) << wait.name;
        EXPECT_EQ(window.closes, 1) << wait.name;
    }
}

TEST(WaitTest, APauseLastsItsTimeAndANegativeOneNone) {
    QtHost host;
    QElapsedTimer clock;
    clock.start();
    host.Pause(3);
    EXPECT_GE(clock.nsecsElapsed(), 2'000'000);

    host.Pause(-5);  // counts as 0
    host.Pause(0);
}

TEST(WaitTest, AProcessWaitReturnsOnceTheProcessHasEnded) {
    QtProcessWait wait;
    int checks = 0;
    wait.Until([&] { return ++checks == 3; });
    EXPECT_EQ(checks, 3);

    checks = 0;
    wait.Until([&] { return ++checks == 1; });  // ended already: no loop at all
    EXPECT_EQ(checks, 1);
}

// --- choosers ---

// Presses the dialog's confirm button: the file dialog checks the chosen name first.
void Confirm(QDialog* dialog) {
    dialog->accept();
}

class ChooserTest : public ::testing::Test {
protected:
    QString Home() const { return ToQString(home_.path()); }

    TempFolder home_;
    ScopedEnvironment homeVariable_{"HOME", home_.path().string()};
    TempFolder programFolder_;
    CurrentDirectory current_{programFolder_.path()};
    QtHost host_;
};

// Cases that choose in the home folder as drive C:, which it is only off Windows.
class HomeDriveChooserTest : public ChooserTest {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "drive C: is the home folder only off Windows";
#endif
    }
};

TEST_F(HomeDriveChooserTest, ConfirmTakesTheProgramPathAndCancelKeepsIt) {
    home_.Write("Downloads/twrp.img", "image");
    FileChooser chooser;
    chooser.filter = "镜像文件(*.img)|*.img|全部文件(*.*)|*.*";
    chooser.defaultExtension = ".img";

    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->directory().absolutePath(), Home());
        EXPECT_EQ(dialog->defaultSuffix(), "img");
        // The dialog shows the descriptions as written.
        if (auto* types = dialog->findChild<QComboBox*>("fileTypeCombo"); types != nullptr) {
            EXPECT_EQ(types->currentText(), "镜像文件(*.img)");
            EXPECT_EQ(types->itemText(1), "全部文件(*.*)");
        } else {
            ADD_FAILURE() << "no file type list";
        }
        dialog->selectFile(Home() + "/Downloads/twrp.img");
        Confirm(dialog);
    });
    EXPECT_TRUE(host_.ChooseOpenFile(chooser));
    EXPECT_EQ(chooser.fileName, "C:\\Downloads\\twrp.img");

    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath(), Home() + "/Downloads");
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"); name != nullptr) {
            EXPECT_EQ(name->text(), "twrp.img");
        } else {
            ADD_FAILURE() << "no file name field";
        }
        dialog->reject();
    });
    EXPECT_FALSE(host_.ChooseOpenFile(chooser));
    EXPECT_EQ(chooser.fileName, "C:\\Downloads\\twrp.img");
    EXPECT_EQ(fs::current_path(), programFolder_.path());
}

TEST_F(ChooserTest, SaveAddsTheDefaultExtensionToATypedName) {
    FileChooser chooser;
    chooser.kind = FileChooser::Save;
    chooser.title = "保存APK";
    chooser.filter = "APK文件(*.apk)|*.apk";
    chooser.defaultExtension = ".apk";

    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->windowTitle(), "保存APK");
        dialog->selectFile("新");
        Confirm(dialog);
    });
    EXPECT_TRUE(host_.ChooseSaveFile(chooser));
    EXPECT_EQ(chooser.fileName, "C:\\新.apk");
}

TEST_F(HomeDriveChooserTest, ChooseFolderGivesTheProgramPathOrNothing) {
    fs::create_directory(home_ / "备份");

    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "选择目录");
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
        dialog->selectFile(Home() + "/备份");
        Confirm(dialog);
    });
    EXPECT_EQ(host_.ChooseFolder("选择目录"), "C:\\备份");

    WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(host_.ChooseFolder("选择目录"), "");
}

// Qt's own texts read Chinese after the start-up (the test program starts Qt as the program does).
TEST_F(ChooserTest, TheDialogsAndTheirButtonsReadChinese) {
    FileChooser open;
    FileChooser save;
    save.kind = FileChooser::Save;
    const struct {
        std::function<void()> choose;
        QStringList texts;  // the caption, the file name's label and the buttons
    } cases[] = {
        {[&] { host_.ChooseOpenFile(open); }, {"打开", "文件名称(&N)：", "打开(&O)", "取消"}},
        {[&] { host_.ChooseSaveFile(save); }, {"另存为", "文件名称(&N)：", "保存(&S)", "取消"}},
        {[&] { host_.ChooseFolder("选择目录"); }, {"选择目录", "目录：", "选择(&C)", "取消"}},
    };
    for (const auto& c : cases) {
        QStringList texts;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            texts.append(dialog->windowTitle());
            if (auto* label = dialog->findChild<QLabel*>("fileNameLabel"); label != nullptr) {
                texts.append(label->text());
            }
            if (auto* buttons = dialog->findChild<QDialogButtonBox*>(); buttons != nullptr) {
                for (QAbstractButton* button : buttons->buttons()) {
                    texts.append(button->text());
                }
            }
            dialog->reject();
        });
        c.choose();
        EXPECT_EQ(texts, c.texts);
    }
}

// --- shell open ---

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(HomeDriveChooserTest, ShellOpenHandsTheTargetFolderToTheSystem) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    host_.ShellOpen(4, "c:\\");
    host_.ShellOpen(4, "E:\\");  // no folder stands for drive E: here
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(recorder.opened, QList<QUrl>{QUrl::fromLocalFile(Home())});
}

}  // namespace
}  // namespace tarnwick::ui

#include "qt_host_test.moc"
