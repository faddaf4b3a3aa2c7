// The five windows on a real screen at the display scale this run was started with
// (TARNWICK_SCALE; QT_SCALE_FACTOR sets it on Linux, the system's DPI under Wine): their size,
// whole captions, no gap in their frame and title strip, sharp pictures and, at 100 % on Linux,
// the committed pictures pixel for pixel.
#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ui/templates.h"
#include "ui/window.h"

namespace tarnwick::ui {
namespace {

struct Shown {
    const char* name;
    const WindowTemplate& (*source)();
    int closeLeft, closeTop;    // the close button on the title strip
    int frameTop;               // where the window's own border starts below the title
    const char* captionButton;  // a picture button that carries its caption
};

const Shown kWindows[] = {
    {"home", HomeWindowTemplate, 227, 9, 60, "编译模式"},
    {"push", PushWindowTemplate, 227, 9, 60, "推送服务下一步"},
    {"flash", FlashWindowTemplate, 227, 9, 60, "刷机模式下一步"},
    {"compile", CompileWindowTemplate, 227, 9, 60, "刷机模式下一步"},
    {"info", InfoWindowTemplate, 387, 2, 31, nullptr},
};

double Scale() {
    return qEnvironmentVariable("TARNWICK_SCALE", QStringLiteral("1")).toDouble();
}

// The device pixel that holds the centre of the logical pixel at `logical`.
int Device(double logical) {
    return static_cast<int>(std::floor((logical + 0.5) * Scale()));
}

// The device pixels that lie wholly inside the logical pixels [from, to).
std::pair<int, int> Inside(int from, int to) {
    return {static_cast<int>(std::ceil(from * Scale())),
            static_cast<int>(std::floor(to * Scale()))};
}

// The window as the screen shows it, in device pixels.
QImage ScreenPicture(const WindowTemplate& source) {
    const std::unique_ptr<Window> window = BuildWindow(source);
    window->Show();
    QWidget* widget = window->widget();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget));
    // No focus frame: its size follows the caption's.
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    widget->repaint();
    QCoreApplication::processEvents();
    return widget->screen()
        ->grabWindow(widget->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The same window with the caption of the control `index` blank: what differs is its ink.
WindowTemplate WithoutCaption(const WindowTemplate& source, std::size_t index) {
    WindowTemplate blank = source;
    ControlRecord& record = blank.controls[index];
    record.caption = " ";
    for (const char*& item : record.items) {
        item = " ";
    }
    return blank;
}

bool Near(QRgb pixel, QRgb expected, int tolerance) {
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

// Device columns [left, right) of the pixels that differ between two pictures inside `area`.
std::pair<int, int> InkColumns(const QImage& shown, const QImage& blank, const QRect& area) {
    int left = area.right() + 1, right = area.left();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (shown.pixel(x, y) != blank.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
        }
    }
    return {left, right};
}

// The width of the ink of `text` drawn in `font` at this scale, nothing clipped.
int UnclippedInkWidth(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const QSize logical(metrics.horizontalAdvance(text) + 40, metrics.height() + 20);
    QImage canvas(logical * Scale(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(Scale());
    canvas.fill(Qt::white);
    const QImage blank = canvas.copy();
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 10 + metrics.ascent()), text);
    painter.end();
    const auto [left, right] = InkColumns(canvas, blank, canvas.rect());
    return right - left;
}

// What a control shows as its caption: a link without one shows its address.
QString Caption(const ControlRecord& record) {
    if (!record.items.empty()) {
        return QString::fromUtf8(record.items.front());
    }
    return QString::fromUtf8(*record.caption ? record.caption : record.address);
}

class AtThisScale : public ::testing::TestWithParam<Shown> {};

// A caption's ink is as wide as its text drawn unclipped, and a pixel of the control stays
// clear where the text runs out (the right, or the left of a right-aligned caption): a caption
// that Qt clips keeps all its ink inside its control too.
TEST_P(AtThisScale, EveryCaptionIsWholeAndEndsInsideItsControl) {
    const WindowTemplate& source = GetParam().source();
    const QImage shown = ScreenPicture(source);
    const std::unique_ptr<Window> window = BuildWindow(source);
    window->Show();
    for (std::size_t index = 0; index < source.controls.size(); ++index) {
        const ControlRecord& record = source.controls[index];
        const QString caption = Caption(record);
        if (caption.isEmpty() || record.kind == ControlKind::EditBox ||
            record.kind == ControlKind::FileChooser ||
            !window->control<Control>(record.name).visible()) {
            continue;
        }
        SCOPED_TRACE(record.name);
        const QWidget* widget = window->control<Control>(record.name).widget();
        const QRect logical(widget->mapTo(window->widget(), QPoint(0, 0)), widget->size());
        const auto [areaLeft, areaRight] = Inside(logical.left(), logical.right() + 1);
        const auto [areaTop, areaBottom] = Inside(logical.top(), logical.bottom() + 1);
        const QRect area(QPoint(areaLeft, areaTop), QPoint(areaRight - 1, areaBottom - 1));
        const auto [left, right] =
            InkColumns(shown, ScreenPicture(WithoutCaption(source, index)), area & shown.rect());
        ASSERT_LT(left, right) << "no ink";
        EXPECT_NEAR(right - left, UnclippedInkWidth(caption, widget->font()), 1);
        if (record.alignment == Alignment::Right) {
            EXPECT_GT(left, areaLeft) << "the ink reaches the control's left edge";
        } else {
            EXPECT_LT(right, areaRight) << "the ink reaches the control's right edge";
        }
    }
}

// The window is scaled as a whole. The frame's border, the title strip across the window and a
// ring around the close button are each one colour: no pixel of the body shows between the
// pictures and the controls. The window's outermost pixels may be antialiased.
TEST_P(AtThisScale, TheWindowIsScaledWithNoGapInItsFrameOrTitleStrip) {
    const Shown& shownWindow = GetParam();
    const WindowTemplate& source = shownWindow.source();
    const QImage shown = ScreenPicture(source);
    EXPECT_NEAR(shown.width(), source.width * Scale(), 0.5);
    ASSERT_NEAR(shown.height(), source.height * Scale(), 0.5);
    const QRgb frame = qRgb(0x23, 0x86, 0x4A), title = qRgb(0x2F, 0xA3, 0x5B);
    const int lastX = shown.width() - 1, lastY = shown.height() - 1;
    // Along the logical pixels [from, to) of a row or column, leaving out the window's edges.
    auto row = [&](int y, int from, int to, QRgb colour) {
        const auto [left, right] = Inside(from, to);
        for (int x = std::max(left, 1); x < std::min(right, lastX); ++x) {
            ASSERT_TRUE(Near(shown.pixel(x, Device(y)), colour, 12)) << x << "," << Device(y);
        }
    };
    auto column = [&](int x, int from, int to, QRgb colour) {
        const auto [top, bottom] = Inside(from, to);
        for (int y = std::max(top, 1); y < std::min(bottom, lastY); ++y) {
            ASSERT_TRUE(Near(shown.pixel(Device(x), y), colour, 12)) << Device(x) << "," << y;
        }
    };
    const int width = source.width, height = source.height;
    column(1, shownWindow.frameTop, height, frame);
    column(width - 2, shownWindow.frameTop, height, frame);
    row(height - 2, 0, width, frame);
    const QRect close(shownWindow.closeLeft - 1, shownWindow.closeTop - 1, 26, 26);
    row(close.top(), 2, width - 2, title);
    row(close.bottom(), close.left(), close.right() + 1, title);
    column(close.left(), close.top(), close.bottom() + 1, title);
    column(close.right(), close.top(), close.bottom() + 1, title);
}

// Across the first vertical stroke of a picture button's caption, on its middle row, the face
// turns into the caption's white within one pixel where the screen's pixels are twice the
// window's: the picture was drawn for that size, not enlarged.
TEST_P(AtThisScale, PicturesAreSharpAtTwiceTheSize) {
    const Shown& shownWindow = GetParam();
    if (Scale() != 2 || !shownWindow.captionButton) {
        GTEST_SKIP();
    }
    const WindowTemplate& source = shownWindow.source();
    const QImage shown = ScreenPicture(source);
    const std::unique_ptr<Window> window = BuildWindow(source);
    const QWidget* button = window->control<Control>(shownWindow.captionButton).widget();
    const QPoint at = button->mapTo(window->widget(), QPoint(0, 0));
    const int y = Device(at.y() + (button->height() - 2) / 2.0);
    int x = Device(at.x() + 8);
    const QRgb face = shown.pixel(x, y);
    while (Near(shown.pixel(x, y), face, 8)) {
        ++x;
    }
    int ramp = 0;
    while (!Near(shown.pixel(x + ramp, y), qRgb(255, 255, 255), 8)) {
        ++ramp;
        ASSERT_LT(x + ramp, Device(at.x() + button->width() - 8))
            << "no stroke reaches the caption's white on row " << y;
    }
    EXPECT_LE(ramp, 1) << "from " << x << "," << y;
}

#ifndef Q_OS_WIN
// At 100 % the windows are drawn as they always were.
TEST_P(AtThisScale, AtOneHundredPercentTheWindowIsItsCommittedPicture) {
    if (Scale() != 1) {
        GTEST_SKIP();
    }
    const QImage expected(
        QStringLiteral(TARNWICK_WINDOW_PICTURES "/%1.png").arg(QLatin1String(GetParam().name)));
    ASSERT_FALSE(expected.isNull());
    EXPECT_TRUE(ScreenPicture(GetParam().source()) ==
                expected.convertToFormat(QImage::Format_RGB32));
}

// Just opened, as the user first sees it: no control shows a focus mark.
TEST_P(AtThisScale, AtOneHundredPercentAWindowJustOpenedIsItsCommittedPicture) {
    const std::unique_ptr<Window> window = BuildWindow(GetParam().source());
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    const QImage expected(
        QStringLiteral(TARNWICK_WINDOW_PICTURES "/%1.png").arg(QLatin1String(GetParam().name)));
    const QPixmap shown = window->widget()->screen()->grabWindow(window->widget()->winId());
    EXPECT_TRUE(Scale() != 1 || shown.toImage().convertToFormat(QImage::Format_RGB32) ==
                                    expected.convertToFormat(QImage::Format_RGB32));
}
#endif

INSTANTIATE_TEST_SUITE_P(FiveWindows, AtThisScale, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::ui

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // The pointer off every window, so no button shows its pointer-over picture.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    return RUN_ALL_TESTS();
}
