#include "ui/controls/look.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <QWindow>

#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "ui/art/art.h"
#include "ui/event.h"

namespace tarnwick::ui {
namespace {

// The templates' Chinese face is a Windows font; elsewhere an installed CJK face stands in. It
// is named outright: for a face that is not installed, Qt first searches every installed font
// for fallbacks, a good part of the start-up's time.
QString FaceName(const char* face) {
    QString name = QString::fromUtf8(face);
#ifndef Q_OS_WIN
    if (name == QStringLiteral("微软雅黑")) {
        // The installed families, not hasFamily: that first runs the name through all of
        // fontconfig's substitution rules, a noticeable part of the start-up.
        static const QString standIn =
            QFontDatabase::families().contains(QStringLiteral("Microsoft YaHei"))
                ? QStringLiteral("Microsoft YaHei")
                : QStringLiteral("WenQuanYi Micro Hei");
        return standIn;
    }
#endif
    return name;
}

#ifdef Q_OS_WIN
// The system's default GUI font (DEFAULT_GUI_FONT), for which the windows were laid out: its
// character height from the stock object, and the face that GDI really selects for it (the
// object names the logical "MS Shell Dlg", which Chinese Windows maps to 宋体).
QFont SystemGuiFont() {
    const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW logical{};
    GetObjectW(stock, sizeof logical, &logical);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, stock);
    wchar_t face[LF_FACESIZE] = {};
    const int faceLength = GetTextFaceW(screen, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    QFont font(QString::fromWCharArray(face, faceLength > 0 ? faceLength - 1 : 0));
    // A positive height is the cell's, leading included: as a character height it is negative.
    const int height =
        logical.lfHeight < 0 ? logical.lfHeight : metrics.tmInternalLeading - metrics.tmHeight;
    font.setPixelSize(GuiFontPixelSize(height, static_cast<int>(GetDpiForSystem())));
    return font;
}
#endif

}  // namespace

int GuiFontPixelSize(int lfHeight, int systemDpi) {
    constexpr int kLaidOutFor = 12;
    if (lfHeight >= 0 || systemDpi <= 0) {
        return kLaidOutFor;
    }
    const auto size = std::lround(-lfHeight * 96.0 / systemDpi);
    return size >= 9 && size <= 16 ? static_cast<int>(size) : kLaidOutFor;
}

QFont DefaultGuiFont() {
#ifdef Q_OS_WIN
    static const QFont font = SystemGuiFont();
    return font;
#else
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    return font;
#endif
}

QColor ToQColor(Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

QFont ToQFont(const Font& font) {
    QFont result = font.face ? QFont(FaceName(font.face)) : DefaultGuiFont();
    if (font.pixelHeight > 0) {
        result.setPixelSize(font.pixelHeight);
    }
#ifndef Q_OS_WIN
    // The stand-in face is drawn unhinted, as its own font configuration asks (Qt reads only the
    // hint style). Hinted, FreeType's auto-hinter first walks the face's whole character map
    // and loads a set of reference glyphs: the largest cost of the first window's text, and
    // megabytes of the font file brought into memory.
    result.setHintingPreference(QFont::PreferNoHinting);
#endif
    return result;
}

ArtPicture LoadArtPicture(const char* name) {
    if (!name || !*name) {
        return {};
    }
    const QString picture = QString::fromUtf8(name);
    return {picture, ArtImage(picture), QImage()};
}

void DrawArtPicture(QPainter& painter, const QRect& target, ArtPicture& picture) {
    const bool doubled = painter.device()->devicePixelRatio() > 1 && !picture.isNull();
    if (doubled && picture.doubled.isNull()) {
        picture.doubled = ArtImage(picture.name + QStringLiteral("_2x"));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target,
                      doubled && !picture.doubled.isNull() ? picture.doubled : picture.single);
}

void SetUpMarkButton(QAbstractButton* button, const ControlRecord& record,
                     const std::function<void()>& onClick, QObject& lifetime) {
    button->setText(QString::fromUtf8(record.caption));
    button->setAccessibleName(button->text());
    button->setChecked(record.checked);
    button->setFont(ToQFont(record.font));
    SetColours(button, record.textColour, record.backColour.value_or(kWhite));
    QObject::connect(button, &QAbstractButton::clicked, &lifetime, [&onClick] { Raise(onClick); });
}

void SetColours(QWidget* widget, std::optional<Rgb> text, std::optional<Rgb> back) {
    QPalette palette = widget->palette();
    if (text) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            for (const QPalette::ColorRole role :
                 {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                palette.setColor(group, role, ToQColor(*text));
            }
        }
    }
    if (back) {
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(role, ToQColor(*back));
        }
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void StartWindowMove(QWidget* widget, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // Platforms without a system move leave the window where it is.
    if (QWindow* handle = widget->window()->windowHandle()) {
        handle->startSystemMove();
    }
    event->accept();
}

}  // namespace tarnwick::ui
