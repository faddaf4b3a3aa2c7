// The five windows on a real screen at the display scale this run was started with
// (TARNWICK_SCALE; QT_SCALE_FACTOR sets it on Linux, the system's DPI under Wine), in every view
// that shows other controls: their size, whole captions, no gap in their frame and title strip,
// sharp pictures and, at 100 % on Linux, the committed pictures pixel for pixel. Each window is
// shown once, and again with the platform's controls blank; a copy with every caption blank is
// drawn off the screen for the controls the program draws itself: each caption's ink differs.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/art/art.h"
#include "ui/templates.h"
#include "ui/window.h"

namespace tarnwick::ui {
namespace {

// Where a window's frame shows: the close button on the title strip and where the window's own
// border starts below the title.
struct Frame {
    int closeLeft, closeTop, frameTop;
};
constexpr Frame kModeFrame{227, 9, 60};

// A window as the user sees it at some point: its template with these controls shown or
// hidden, as the program does.
struct View {
    const char* name;  // also its committed picture's, where it has none of `show`
    const WindowTemplate& (*source)();
    Frame frame;
    std::vector<const char*> show{}, hide{};
};

// clang-format off
const View kViews[] = {
    {"home", HomeWindowTemplate, kModeFrame},
    {"home_feedback", HomeWindowTemplate, kModeFrame,
     {"显示窗", "超级链接框1", "超级链接框2", "超级链接框3", "标签1", "返回首页"},
     {"意见反馈", "刷机模式", "编译模式", "破解模式", "推送模式"}},
    {"push", PushWindowTemplate, kModeFrame},
    {"push_system", PushWindowTemplate, kModeFrame, {"NOROOT"}},
    {"push_log", PushWindowTemplate, kModeFrame, {"信息窗口返回", "信息显示窗"}},
    {"flash", FlashWindowTemplate, kModeFrame},
    {"compile", CompileWindowTemplate, kModeFrame},
    {"info", InfoWindowTemplate, {387, 2, 31}},
};
// clang-format on

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

ControlRecord& Record(WindowTemplate& source, std::string_view name) {
    for (ControlRecord& record : source.controls) {
        if (record.name == name) {
            return record;
        }
    }
    throw std::logic_error("no such control: " + std::string(name));
}

WindowTemplate Apply(const View& view) {
    WindowTemplate source = view.source();
    for (const char* name : view.show) {
        Record(source, name).visible = true;
    }
    for (const char* name : view.hide) {
        Record(source, name).visible = false;
    }
    return source;
}

// A window shown once and hidden again, its controls still in place, and its picture as the
// screen showed it, in device pixels.
struct Shot {
    explicit Shot(WindowTemplate shown) : source(std::move(shown)) {}
    WindowTemplate source;
    std::unique_ptr<Window> window;
    QImage picture;
    QImage blankPlatformControls;  // the same, the captions of the platform's controls blank

    QWidget* widget(const ControlRecord& record) const {
        return window->control<Control>(record.name).widget();
    }
    bool visible(const ControlRecord& record) const {
        return widget(record)->isVisibleTo(window->widget());
    }
    // The control's device pixels.
    QRect area(const ControlRecord& record) const {
        const QWidget* control = widget(record);
        const QRect logical(control->mapTo(window->widget(), QPoint(0, 0)), control->size());
        const auto [left, right] = Inside(logical.left(), logical.right() + 1);
        const auto [top, bottom] = Inside(logical.top(), logical.bottom() + 1);
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    // The control that the device pixel shows: the topmost at its centre.
    const QWidget* owner(int x, int y) const {
        const QWidget* at = window->widget()->childAt(
            QPoint(static_cast<int>((x + 0.5) / Scale()), static_cast<int>((y + 0.5) / Scale())));
        while (at && at != window->widget()) {
            for (const ControlRecord& record : source.controls) {
                if (record.kind != ControlKind::FileChooser && widget(record) == at) {
                    return at;
                }
            }
            at = at->parentWidget();
        }
        return nullptr;
    }
};

// The window as the screen shows it now, in device pixels.
QImage ScreenPicture(QWidget* window) {
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Shows the window, with no focus frame (its size follows the caption's), and takes its picture.
std::unique_ptr<Shot> TakeShot(WindowTemplate source) {
    auto shot = std::make_unique<Shot>(std::move(source));
    shot->window = BuildWindow(shot->source);
    shot->window->Show();
    QWidget* widget = shot->window->widget();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget, 20000));
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    widget->repaint();
    QCoreApplication::processEvents();
    shot->picture = ScreenPicture(widget);
    // The platform's style may draw a check mark off the screen otherwise than on it.
    for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
        button->setText(QStringLiteral(" "));
    }
    for (QComboBox* box : widget->findChildren<QComboBox*>()) {
        for (int item = 0; item < box->count(); ++item) {
            box->setItemText(item, QStringLiteral(" "));
        }
    }
    widget->repaint();
    QCoreApplication::processEvents();
    shot->blankPlatformControls = ScreenPicture(widget);
    widget->hide();
    return shot;
}

// Each view is shown once per run, whichever checks look at it; the windows go before the
// application does.
std::map<std::string, std::unique_ptr<Shot>> viewShots;

const Shot& ViewShot(const View& view) {
    std::unique_ptr<Shot>& shot = viewShots[view.name];
    if (!shot) {
        shot = TakeShot(Apply(view));
    }
    return *shot;
}

// The window with every caption blank, drawn off the screen.
QImage BlankPicture(const WindowTemplate& source) {
    WindowTemplate blank = source;
    for (ControlRecord& record : blank.controls) {
        record.caption = " ";
        for (const char*& item : record.items) {
            item = " ";
        }
    }
    const std::unique_ptr<Window> window = BuildWindow(blank);
    return window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Near(QRgb pixel, QRgb expected, int tolerance) {
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

// The bounding box of the pixels inside `area` that differ between two pictures and that
// `counts` lets in.
template <class Counts>
QRect Differing(const QImage& shown, const QImage& blank, const QRect& area, Counts counts) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (shown.pixel(x, y) != blank.pixel(x, y) && counts(x, y)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// Whether `counts` lets in any pixel of `area`.
template <class Counts>
bool Shows(const QRect& area, Counts counts) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (counts(x, y)) {
                return true;
            }
        }
    }
    return false;
}

// A caption's colour and its background's, at its ink's pixel that differs most from the
// control without it.
struct Colours {
    QRgb ink, background;
};
Colours CaptionColours(const QImage& shown, const QImage& blank, const QRect& ink) {
    Colours colours{};
    int most = -1;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QRgb a = shown.pixel(x, y), b = blank.pixel(x, y);
            const int difference = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                   std::abs(qBlue(a) - qBlue(b));
            if (difference > most) {
                most = difference;
                colours = {a, b};
            }
        }
    }
    return colours;
}

// The ink of `text` drawn in `font` at this scale, nothing clipped. In the caption's own colours,
// its faintest rows fade into the background as they do in its control.
QRect UnclippedInk(const QString& text, const QFont& font, Colours colours) {
    const QFontMetrics metrics(font);
    const QSize logical(metrics.horizontalAdvance(text) + 40, metrics.height() + 20);
    QImage canvas(logical * Scale(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(Scale());
    canvas.fill(colours.background);
    const QImage blank = canvas.copy();
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(QColor(colours.ink));
    painter.drawText(QPoint(20, 10 + metrics.ascent()), text);
    painter.end();
    return Differing(canvas, blank, canvas.rect(), [](int, int) { return true; });
}

// What a control shows as its caption: a link without one shows its address.
QString Caption(const ControlRecord& record) {
    if (!record.items.empty()) {
        return QString::fromUtf8(record.items.front());
    }
    return QString::fromUtf8(*record.caption ? record.caption : record.address);
}

using Faults = std::vector<std::string>;

// A caption's ink is as wide as its text drawn unclipped, within a device pixel, and as high,
// within a device pixel where its ink reaches the control's top or bottom edge (a cut there of
// more than a glyph's faint last row) and within a pixel of the window's elsewhere (two device
// pixels above 100 %: drawn at another fraction of a device pixel, a glyph's faint top and bottom
// rows may both be rounded away, and nothing is cut). A pixel of the control stays clear where
// the text runs out (the right, or the left of a right-aligned caption), since a caption that Qt
// clips keeps all its ink inside its control. Only the pixels the control shows count; one
// wholly covered is not seen.
Faults CaptionFaults(const Shot& shot) {
    Faults faults;
    const QImage offScreen = BlankPicture(shot.source);
    if (offScreen.size() != shot.picture.size()) {
        return {"the window off the screen is not the size the screen shows"};
    }
    for (const ControlRecord& record : shot.source.controls) {
        const QString caption = Caption(record);
        if (caption.isEmpty() || record.kind == ControlKind::EditBox ||
            record.kind == ControlKind::FileChooser || !shot.visible(record)) {
            continue;
        }
        const QWidget* widget = shot.widget(record);
        const QRect area = shot.area(record) & shot.picture.rect();
        auto own = [&](int x, int y) { return shot.owner(x, y) == widget; };
        if (!Shows(area, own)) {
            continue;
        }
        const bool drawnByTheProgram =
            record.kind == ControlKind::Label || record.kind == ControlKind::Hyperlink;
        const QImage& blank = drawnByTheProgram ? offScreen : shot.blankPlatformControls;
        const QRect ink = Differing(shot.picture, blank, area, own);
        const std::string name = std::string(record.name) + ": ";
        if (ink.isNull()) {
            faults.push_back(name + "no ink");
            continue;
        }
        const QRect whole =
            UnclippedInk(caption, widget->font(), CaptionColours(shot.picture, blank, ink));
        // Ink that reaches the top or bottom edge may be cut there.
        const bool mayBeCut = ink.top() == area.top() || ink.bottom() == area.bottom();
        if (std::abs(ink.width() - whole.width()) > 1 ||
            std::abs(ink.height() - whole.height()) > (mayBeCut ? 1 : std::ceil(Scale()))) {
            faults.push_back(name + QStringLiteral("ink %1x%2, unclipped %3x%4")
                                        .arg(ink.width())
                                        .arg(ink.height())
                                        .arg(whole.width())
                                        .arg(whole.height())
                                        .toStdString());
        }
        const bool clearAtTheEnd = record.alignment == Alignment::Right
                                       ? ink.left() > area.left()
                                       : ink.right() < area.right();
        if (!clearAtTheEnd) {
            faults.push_back(name + "the ink reaches the control's edge");
        }
    }
    return faults;
}

// The squared steps between neighbouring device pixels inside `area`: a picture drawn for its
// size has steep edges, where one enlarged from a smaller size spreads each step over pixels.
double Steepness(const QImage& picture, const QRect& area) {
    double sum = 0;
    auto step = [&sum](QRgb a, QRgb b) {
        for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
            sum += d * d;
        }
    };
    for (int y = area.top(); y < area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            step(picture.pixel(x, y), picture.pixel(x + 1, y));
            step(picture.pixel(x, y), picture.pixel(x, y + 1));
        }
    }
    return sum;
}

// Above 100 % every picture button shows its picture of double size: its edges are clearly
// steeper than those of its picture of single size enlarged to the same place.
Faults SharpnessFaults(const Shot& shot) {
    Faults faults;
    for (const ControlRecord& record : shot.source.controls) {
        if (record.kind != ControlKind::PictureButton || !shot.visible(record)) {
            continue;
        }
        const QWidget* widget = shot.widget(record);
        QImage enlarged(shot.picture.size(), QImage::Format_RGB32);
        enlarged.fill(Qt::white);
        enlarged.setDevicePixelRatio(Scale());
        QPainter painter(&enlarged);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!widget->isEnabled()) {
            painter.setOpacity(0.5);  // as a disabled button draws itself
        }
        painter.drawImage(QRect(widget->mapTo(shot.window->widget(), QPoint(0, 0)), widget->size()),
                          ArtImage(QString::fromUtf8(record.images) + QStringLiteral("_normal")));
        painter.end();
        const QRect area = shot.area(record).adjusted(1, 1, -1, -1);
        const double ratio = Steepness(shot.picture, area) / Steepness(enlarged, area);
        if (!(ratio > 1.3)) {
            faults.push_back(std::string(record.name) + ": enlarged, steepness " +
                             std::to_string(ratio) + " of the enlargement's");
        }
    }
    return faults;
}

class AtThisScale : public ::testing::TestWithParam<View> {};

TEST_P(AtThisScale, EveryCaptionIsWholeAndInsideItsControl) {
    EXPECT_EQ(CaptionFaults(ViewShot(GetParam())), Faults());
}

TEST_P(AtThisScale, EveryPictureIsSharp) {
    if (Scale() == 1) {
        GTEST_SKIP() << "at 100 % the pictures of single size are drawn as they are";
    }
    EXPECT_EQ(SharpnessFaults(ViewShot(GetParam())), Faults());
}

// The window is scaled as a whole. The frame's border, the title strip across the window and a
// ring around the close button are each one colour: no pixel of the body shows between the
// pictures and the controls. The window's outermost pixels may be antialiased.
TEST_P(AtThisScale, TheWindowIsScaledWithNoGapInItsFrameOrTitleStrip) {
    const View& view = GetParam();
    const WindowTemplate& source = view.source();
    const QImage& shown = ViewShot(view).picture;
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
    column(1, view.frame.frameTop, height, frame);
    column(width - 2, view.frame.frameTop, height, frame);
    row(height - 2, 0, width, frame);
    const QRect close(view.frame.closeLeft - 1, view.frame.closeTop - 1, 26, 26);
    row(close.top(), 2, width - 2, title);
    row(close.bottom(), close.left(), close.right() + 1, title);
    column(close.left(), close.top(), close.bottom() + 1, title);
    column(close.right(), close.top(), close.bottom() + 1, title);
}

#ifndef Q_OS_WIN
// At 100 % the windows are drawn as they always were.
TEST_P(AtThisScale, AtOneHundredPercentTheWindowIsItsCommittedPicture) {
    const View& view = GetParam();
    if (Scale() != 1 || !view.show.empty()) {
        GTEST_SKIP();
    }
    const QImage expected(
        QStringLiteral(TARNWICK_WINDOW_PICTURES "/%1.png").arg(QLatin1String(view.name)));
    ASSERT_FALSE(expected.isNull());
    EXPECT_TRUE(ViewShot(view).picture == expected.convertToFormat(QImage::Format_RGB32));
}

// Just opened, as the user first sees it: no control shows a focus mark.
TEST_P(AtThisScale, AtOneHundredPercentAWindowJustOpenedIsItsCommittedPicture) {
    const View& view = GetParam();
    if (Scale() != 1 || !view.show.empty()) {
        GTEST_SKIP();
    }
    const std::unique_ptr<Window> window = BuildWindow(view.source());
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    const QImage expected(
        QStringLiteral(TARNWICK_WINDOW_PICTURES "/%1.png").arg(QLatin1String(view.name)));
    EXPECT_TRUE(ScreenPicture(window->widget()) == expected.convertToFormat(QImage::Format_RGB32));
}
#endif

INSTANTIATE_TEST_SUITE_P(EveryView, AtThisScale, ::testing::ValuesIn(kViews),
                         [](const auto& info) { return std::string(info.param.name); });

// Faults that a table must catch, each applied to one control of a copy of a view's template at
// every run: the table must name that control.
struct Fault {
    const char* name;
    const char* view;
    const char* control;
    void (*apply)(ControlRecord&);
    Faults (*check)(const Shot&);
};

const Fault kFaults[] = {
    {"RecoveryButtonEightPixelsHigh", "flash", "重启到REC",
     [](ControlRecord& record) { record.height = 8; }, CaptionFaults},
    {"NoRootCheckBoxNarrowed", "push_system", "NOROOT",
     [](ControlRecord& record) { record.width = 150; }, CaptionFaults},
    // Its caption's ink is 11 to 12 pixels high.
    {"LabelEightPixelsHigh", "push", "标签5", [](ControlRecord& record) { record.height = 8; },
     CaptionFaults},
    // The test's own pictures of single size, with no picture of double size.
    {"PushModeWithoutItsDoublePicture", "home", "推送模式",
     [](ControlRecord& record) { record.images = "single_only/mode_push"; }, SharpnessFaults},
};

class WithAFault : public ::testing::TestWithParam<Fault> {};

TEST_P(WithAFault, TheTableFailsOnTheControlFaulted) {
    const Fault& fault = GetParam();
    if (fault.check == SharpnessFaults && Scale() == 1) {
        GTEST_SKIP();
    }
    const auto view = std::find_if(std::begin(kViews), std::end(kViews), [&](const View& v) {
        return std::string_view(v.name) == fault.view;
    });
    WindowTemplate source = Apply(*view);
    fault.apply(Record(source, fault.control));
    const Faults faults = fault.check(*TakeShot(std::move(source)));
    const std::string control = std::string(fault.control) + ": ";
    EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
        return f.starts_with(control);
    })) << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(Faults, WithAFault, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::ui

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // The pointer off every window, so no button shows its pointer-over picture.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    const int result = RUN_ALL_TESTS();
    tarnwick::ui::viewShots.clear();
    return result;
}
