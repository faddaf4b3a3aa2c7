// Review sheets of the artwork, read back from the resource tree: the windows put
// together as the program shows them and every picture with its variants, at 1:1
// (contact_sheet.png) and, part by part, at 3x with hard pixels (*_3x.png).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <vector>

#include "ui/art/art.h"

namespace {

struct Placement {
    const char* picture;
    QRect area;  // in window coordinates; the picture is stretched onto it
};

const QColor kSheetColour(0x80, 0x80, 0x80);
constexpr int kGap = 12;
constexpr QSize kModeButton(200, 32);
constexpr QSize kStepButton(100, 30);
constexpr QSize kBrowseButton(30, 20);
constexpr QSize kCloseButton(24, 24);

QImage Picture(const char* name) {
    QImage image(tarnwick::ArtPath(QString::fromLatin1(name)));
    if (image.isNull()) {
        QTextStream(stderr) << "missing picture " << name << '\n';
    }
    return image;
}

// A window: its background stretched onto the client area, then its controls.
QImage Window(QSize size, const char* background, const std::vector<Placement>& controls) {
    QImage window(size, QImage::Format_RGB32);
    QPainter painter(&window);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(window.rect(), Picture(background));
    for (const Placement& control : controls) {
        painter.drawImage(control.area, Picture(control.picture));
    }
    return window;
}

QImage HomeWindow() {
    return Window(QSize(260, 450), "home_background",
                  {{"mode_crack_normal", {QPoint(30, 150), kModeButton}},
                   {"mode_push_hover", {QPoint(30, 202), kModeButton}},
                   {"mode_flash_normal", {QPoint(30, 254), kModeButton}},
                   {"mode_compile_normal", {QPoint(30, 306), kModeButton}},
                   {"mode_feedback_normal", {QPoint(30, 358), kModeButton}},
                   {"close_normal", {QPoint(227, 9), kCloseButton}}});
}

// The compile window's picture buttons (its group boxes lie at 5,75 and 5,186).
QImage ModeWindow() {
    return Window(QSize(260, 450), "mode_background",
                  {{"browse_normal", {QPoint(217, 110), kBrowseButton}},
                   {"browse_hover", {QPoint(217, 140), kBrowseButton}},
                   {"browse_normal", {QPoint(217, 251), kBrowseButton}},
                   {"browse_normal", {QPoint(217, 291), kBrowseButton}},
                   {"back_normal", {QPoint(10, 385), kStepButton}},
                   {"next_hover", {QPoint(149, 385), kStepButton}},
                   {"close_hover", {QPoint(227, 9), kCloseButton}}});
}

QImage InfoWindow() {
    return Window(QSize(420, 300), "info_background",
                  {{"info_title", {QPoint(0, -1), QSize(420, 30)}},
                   {"close_pressed", {QPoint(387, 2), kCloseButton}}});
}

// Images side by side (horizontal) or one under the other, with gaps around them.
QImage Arrange(const std::vector<QImage>& images, Qt::Orientation orientation) {
    const bool across = orientation == Qt::Horizontal;
    int length = kGap;
    int breadth = 0;
    for (const QImage& image : images) {
        length += (across ? image.width() : image.height()) + kGap;
        breadth = std::max(breadth, across ? image.height() : image.width());
    }
    breadth += 2 * kGap;
    QImage sheet(across ? QSize(length, breadth) : QSize(breadth, length), QImage::Format_RGB32);
    sheet.fill(kSheetColour);
    QPainter painter(&sheet);
    int position = kGap;
    for (const QImage& image : images) {
        painter.drawImage(across ? QPoint(position, kGap) : QPoint(kGap, position), image);
        position += (across ? image.width() : image.height()) + kGap;
    }
    return sheet;
}

QImage Row(const std::vector<const char*>& names) {
    std::vector<QImage> pictures;
    pictures.reserve(names.size());
    for (const char* name : names) {
        pictures.push_back(Picture(name));
    }
    return Arrange(pictures, Qt::Horizontal);
}

QImage Buttons() {
    return Arrange({Row({"mode_push_normal", "mode_push_hover"}),
                    Row({"mode_flash_normal", "mode_flash_hover"}),
                    Row({"mode_compile_normal", "mode_compile_hover"}),
                    Row({"mode_crack_normal", "mode_crack_hover"}),
                    Row({"mode_feedback_normal", "mode_feedback_hover"}),
                    Row({"mode_home_normal", "mode_home_hover"}),
                    Row({"back_normal", "back_hover", "next_normal", "next_hover"}),
                    Row({"browse_normal", "browse_hover", "close_normal", "close_hover",
                         "close_pressed", "info_title"})},
                   Qt::Vertical);
}

QImage Zoomed(const QImage& image) {
    return image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: art_contact_sheet OUTPUT-FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage home = HomeWindow();
    const QImage mode = ModeWindow();
    const QImage info = InfoWindow();
    const QImage buttons = Buttons();
    const bool saved = Arrange({home, mode, info, buttons}, Qt::Horizontal)
                           .save(folder.filePath(QStringLiteral("contact_sheet.png"))) &&
                       Zoomed(home).save(folder.filePath(QStringLiteral("home_window_3x.png"))) &&
                       Zoomed(mode).save(folder.filePath(QStringLiteral("mode_window_3x.png"))) &&
                       Zoomed(info).save(folder.filePath(QStringLiteral("info_window_3x.png"))) &&
                       Zoomed(buttons).save(folder.filePath(QStringLiteral("buttons_3x.png")));
    return saved ? 0 : 1;
}
