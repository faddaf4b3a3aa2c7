// Label: a line of static text drawn on its own background (a colour, or a picture), vertically
// centred. A press on it moves the window. A screen reader reads it as static text.

#include <QPainter>
#include <QWidget>

#include "ui/controls/accessible_face.h"
#include "ui/controls/factories.h"
#include "ui/controls/look.h"

namespace tarnwick::ui {
namespace {

class LabelWidget final : public QWidget, public AccessibleFace {
public:
    LabelWidget(const ControlRecord& record, QWidget* parent)
        : QWidget(parent),
          caption_(QString::fromUtf8(record.caption)),
          textColour_(ToQColor(record.textColour.value_or(0x000000))),
          backColour_(ToQColor(record.backColour.value_or(kWhite))),
          picture_(LoadArtPicture(record.backImage)) {
        switch (record.alignment) {
            case Alignment::Left:
                alignment_ = Qt::AlignLeft;
                break;
            case Alignment::Centre:
                alignment_ = Qt::AlignHCenter;
                break;
            case Alignment::Right:
                alignment_ = Qt::AlignRight;
                break;
        }
        setFont(ToQFont(record.font));
        setAccessibleName(caption_);
    }

    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (picture_.isNull()) {
            painter.fillRect(rect(), backColour_);
        } else {
            DrawArtPicture(painter, rect(), picture_);
        }
        painter.setPen(isEnabled() ? textColour_ : ToQColor(kDisabledText));
        painter.drawText(rect(), alignment_ | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    }

    void mousePressEvent(QMouseEvent* event) override { StartWindowMove(this, event); }

private:
    QString caption_;
    QColor textColour_;
    QColor backColour_;
    ArtPicture picture_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};

class QtLabel final : public Label {
public:
    QtLabel(const ControlRecord& record, QWidget* parent)
        : Label(record.name, new LabelWidget(record, parent)) {}
};

}  // namespace

std::unique_ptr<Control> MakeLabel(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtLabel>(record, parent);
}

}  // namespace tarnwick::ui
