#pragma once
// What the control kinds share in their look: colours, fonts and the window move that a press
// on a label, a group box or the window's background starts.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

#include "ui/window_template.h"

class QAbstractButton;
class QMouseEvent;
class QObject;
class QPainter;
class QRect;
class QWidget;

namespace tarnwick::ui {

inline constexpr Rgb kWhite = 0xFFFFFF;
// Text of a disabled control that the program draws itself.
inline constexpr Rgb kDisabledText = 0x808080;

QColor ToQColor(Rgb rgb);
// The font the templates call the default GUI font: on Windows the system's own
// (DEFAULT_GUI_FONT, 宋体 at 12 pixels on Chinese Windows), not Qt's application font, which is
// taller; elsewhere the CJK face stands in at that size, so the texts fit their boxes as there.
QFont DefaultGuiFont();
// The default GUI font's pixel size, in the device-independent pixels Qt scales by itself, from
// the stock font's character height (a negative lfHeight) in pixels of the system's DPI. A size
// outside 9 to 16 pixels, or nonsense, gives the 12 pixels the windows were laid out for.
int GuiFontPixelSize(int lfHeight, int systemDpi);
// A template font: its face at its pixel height. Without a face, the default GUI font (at the
// given height if there is one). "微软雅黑" falls back to an installed CJK face.
QFont ToQFont(const Font& font);
// A picture of the artwork at the size it is shown and at twice that size, both read in place;
// the doubled one only at the first paint that needs it, so that a window at 100 % never
// touches it.
struct ArtPicture {
    QString name;
    QImage single;   // ":/art/<name>.ppm"
    QImage doubled;  // ":/art/<name>_2x.ppm"
    bool isNull() const { return single.isNull(); }
};
// The artwork `name`; a null picture when there is none.
ArtPicture LoadArtPicture(const char* name);
// Draws `picture` onto `target`. Chosen at each paint, so a window moved to a screen of another
// scale repaints right: at a device pixel ratio of 1 the picture of that size, unscaled; above
// it the doubled one, scaled down smoothly up to a ratio of 2 and enlarged only beyond.
void DrawArtPicture(QPainter& painter, const QRect& target, ArtPicture& picture);

// Sets the text and background colours of a platform control. Disabled text keeps the
// platform's look.
void SetColours(QWidget* widget, std::optional<Rgb> text, std::optional<Rgb> back);

// A radio button's or check box's caption, mark, font and colours (white behind them unless
// the template says otherwise). A click raises `onClick` as it is then, while `lifetime` lives.
void SetUpMarkButton(QAbstractButton* button, const ControlRecord& record,
                     const std::function<void()>& onClick, QObject& lifetime);

// A left-button press turned into a press on the window's caption bar: the window follows the
// mouse until the button is released. Other buttons are left to the parent.
void StartWindowMove(QWidget* widget, QMouseEvent* event);

}  // namespace tarnwick::ui
