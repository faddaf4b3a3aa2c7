// Hyperlink: its caption, or its web address when the caption is empty, in the link colour,
// and in the second colour while the pointer is over it. A click, or Space or Enter while it has
// the focus, hands the address to the system. A screen reader knows it as a link named by the
// text it shows.

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#ifdef Q_OS_WIN
#include "host/web_address.h"
#else
#include <QDesktopServices>
#include <QUrl>
#endif

#include "ui/controls/factories.h"
#include "ui/controls/look.h"
#include "ui/controls/operated_face.h"

namespace tarnwick::ui {
namespace {

constexpr Rgb kLinkColour = 0x008080;
constexpr Rgb kHoverColour = 0x0088FF;

void OpenWebAddress(const QString& address) {
#ifdef Q_OS_WIN
    OpenWebAddressWithShell(address.toStdU16String());
#else
    QDesktopServices::openUrl(QUrl(address));
#endif
}

class HyperlinkWidget final : public OperatedFace {
public:
    HyperlinkWidget(const ControlRecord& record, QWidget* parent)
        : OperatedFace(parent),
          address_(QString::fromUtf8(record.address)),
          shown_(*record.caption ? QString::fromUtf8(record.caption) : address_),
          linkColour_(ToQColor(record.textColour.value_or(kLinkColour))),
          hoverColour_(ToQColor(record.hoverColour.value_or(kHoverColour))),
          backColour_(ToQColor(record.backColour.value_or(kWhite))) {
        setFont(ToQFont(record.font));
        setCursor(Qt::PointingHandCursor);
        setAccessibleName(shown_);
    }

    QAccessible::Role AccessibleRole() const override { return QAccessible::Link; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), backColour_);
        painter.setPen(!isEnabled() ? ToQColor(kDisabledText) : over_ ? hoverColour_ : linkColour_);
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown_);
        DrawFocusMark(painter, linkColour_, 0);  // around the text, which fills the box
    }

    void Click() override {
        if (!address_.isEmpty()) {
            OpenWebAddress(address_);
        }
    }

    void enterEvent(QEnterEvent*) override { SetOver(true); }
    void leaveEvent(QEvent*) override { SetOver(false); }

    void mousePressEvent(QMouseEvent* event) override { down_ = event->button() == Qt::LeftButton; }

    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = down_ && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        down_ = false;
        if (click) {
            Click();
        }
    }

private:
    void SetOver(bool over) {
        over_ = over;
        update();
    }

    QString address_;
    QString shown_;
    QColor linkColour_;
    QColor hoverColour_;
    QColor backColour_;
    bool over_ = false;
    bool down_ = false;
};

class QtHyperlink final : public Hyperlink {
public:
    QtHyperlink(const ControlRecord& record, QWidget* parent)
        : Hyperlink(record.name, new HyperlinkWidget(record, parent)) {}
};

}  // namespace

std::unique_ptr<Control> MakeHyperlink(const ControlRecord& record, QWidget* parent) {
    return std::make_unique<QtHyperlink>(record, parent);
}

}  // namespace tarnwick::ui
