#pragma once
// The top-level widget of a built window: frameless, of fixed size, drawing its background
// colour and picture. Esc and the platform's close request go to the owner instead
// of closing the widget; a press on the background moves the window. Tab and Shift+Tab walk
// its controls in reading order, round at either end.

#include <QColor>
#include <QWidget>

#include <functional>
#include <vector>

#include "ui/controls/look.h"
#include "ui/window_template.h"

namespace tarnwick::ui {

class WindowWidget final : public QWidget {
public:
    explicit WindowWidget(const WindowTemplate& source);

    std::function<void()> closeRequested;

    // The controls that Tab walks, in its order; those hidden or disabled are passed over.
    void SetTabStops(std::vector<QWidget*> stops) { tabStops_ = std::move(stops); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void RequestClose();

    QColor backColour_;
    ArtPicture picture_;
    std::vector<QWidget*> tabStops_;
};

}  // namespace tarnwick::ui
