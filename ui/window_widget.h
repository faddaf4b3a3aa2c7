#pragma once
// The top-level widget of a built window: frameless, of fixed size, drawing its background
// colour and picture. Esc and the platform's close request go to the owner instead
// of closing the widget; a press on the background moves the window.

#include <QColor>
#include <QWidget>

#include <functional>

#include "ui/controls/look.h"
#include "ui/window_template.h"

namespace tarnwick::ui {

class WindowWidget final : public QWidget {
public:
    explicit WindowWidget(const WindowTemplate& source);

    std::function<void()> closeRequested;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RequestClose();

    QColor backColour_;
    ArtPicture picture_;
};

}  // namespace tarnwick::ui
