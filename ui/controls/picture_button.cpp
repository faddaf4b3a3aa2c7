// Picture button: drawn entirely from its images (":/art/<images>_normal.ppm", "_hover.ppm" and,
// where there is one, "_pressed.ppm") at the button's size. Releasing the left button over it
// raises click, and so do Space and Enter while it has the focus. A missing image draws nothing;
// without a pressed image, the pointer-over image stays while the button is held. A screen
// reader knows it as a push button named by the caption its picture shows.

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <string>

#include "ui/controls/factories.h"
#include "ui/controls/look.h"
#include "ui/controls/operated_face.h"
#include "ui/event.h"

namespace tarnwick::ui {
namespace {

ArtPicture Picture(const char* images, const char* state) {
    return images ? LoadArtPicture((std::string(images) + state).c_str()) : ArtPicture();
}

// The focus mark lies on the button's face, in the caption's white.
constexpr Rgb kFocusMarkColour = kWhite;
constexpr int kFocusMarkInset = 2;

class PictureButtonWidget final : public OperatedFace {
public:
    PictureButtonWidget(const ControlRecord& record, QWidget* parent)
        : OperatedFace(parent),
          normal_(Picture(record.images, "_normal")),
          hover_(Picture(record.images, "_hover")),
          pressed_(Picture(record.images, "_pressed")) {
        if (pressed_.isNull()) {
            pressed_ = hover_;
        }
        setAccessibleName(QString::fromUtf8(record.imageCaption));
    }

    std::function<void()> clicked;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }

protected:
    void paintEvent(QPaintEvent*) override {
        ArtPicture& picture = down_ && over_ ? pressed_ : over_ ? hover_ : normal_;
        QPainter painter(this);
        if (!isEnabled()) {
            painter.setOpacity(0.5);
        }
        DrawArtPicture(painter, rect(), picture);
        DrawFocusMark(painter, ToQColor(kFocusMarkColour), kFocusMarkInset);
    }

    void Click() override {
        if (clicked) {
            clicked();
        }
    }

    void enterEvent(QEnterEvent*) override { SetOver(true); }
    void leaveEvent(QEvent*) override { SetOver(false); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            down_ = true;
            SetOver(rect().contains(event->position().toPoint()));
        }
    }

    // While the button is held, the pointer's moves come here even outside the button.
    void mouseMoveEvent(QMouseEvent* event) override {
        SetOver(rect().contains(event->position().toPoint()));
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !down_) {
            return;
        }
        down_ = false;
        SetOver(rect().contains(event->position().toPoint()));
        // Last: the handler may close the window.
        if (over_) {
            Click();
        }
    }

private:
    void SetOver(bool over) {
        over_ = over;
        update();
    }

    ArtPicture normal_;
    ArtPicture hover_;
    ArtPicture pressed_;
    bool over_ = false;
    bool down_ = false;
};

class QtPictureButton final : public PictureButton {
public:
    QtPictureButton(const ControlRecord& record, QWidget* parent)
        : PictureButton(record.name, new PictureButtonWidget(record, parent)) {
        Face()->clicked = [this] { Raise(onClick); };
    }

    ~QtPictureButton() override { Face()->clicked = nullptr; }

private:
    PictureButtonWidget* Face() const { return static_cast<PictureButtonWidget*>(widget()); }
};

}  // namespace

std::unique_ptr<Control> MakePictureButton(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtPictureButton>(record, parent);
}

}  // namespace tarnwick::ui
