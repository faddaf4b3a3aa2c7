// Edit box: the platform's single- or multi-line edit control.
//
// The box keeps its Text as the source of its content: content() gives back exactly what was
// written and appended, "\r\n" and bytes outside Unicode included, while the Qt widget only
// shows it. A user's edit replaces the Text with the widget's text; in a multi-line box the
// line breaks then read "\r\n", as the platform's edit control gives them.

#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "ui/controls/factories.h"
#include "ui/controls/look.h"
#include "ui/event.h"
#include "ui/qt_text.h"

namespace tarnwick::ui {
namespace {

QString BorderStyle(Border border) {
    switch (border) {
        case Border::None:
            return QStringLiteral("border: none;");
        case Border::Thin:
            return QStringLiteral("border: 1px solid #7A7A7A;");
        case Border::Sunken:
            return QStringLiteral("border: 2px inset #A0A0A0;");
    }
    return QString();
}

// Colours and border as a style sheet for the widget's own class, so that a scroll bar keeps
// the platform's look.
QString StyleSheet(const char* widgetClass, const ControlRecord& record) {
    QString rules = BorderStyle(record.border);
    if (record.textColour) {
        rules += QStringLiteral(" color: %1;").arg(ToQColor(*record.textColour).name());
    }
    if (record.backColour) {
        rules += QStringLiteral(" background-color: %1;").arg(ToQColor(*record.backColour).name());
    }
    return QStringLiteral("%1 { %2 } %1:disabled { color: %3; }")
        .arg(QLatin1String(widgetClass), rules, ToQColor(kDisabledText).name());
}

class SingleLineEditBox final : public EditBox {
public:
    SingleLineEditBox(const ControlRecord& record, QWidget* parent)
        : EditBox(record.name, new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(widget())) {
        edit_->setReadOnly(record.readOnly);
        edit_->setFont(ToQFont(record.font));
        edit_->setStyleSheet(StyleSheet("QLineEdit", record));
        Show(Text(record.content));
        // textEdited comes from the user only, never from setText.
        QObject::connect(edit_, &QLineEdit::textEdited, &lifetime_, [this](const QString& now) {
            text_ = TextFromQString(now);
            Raise(onContentChanged);
        });
    }

    Text content() const override { return text_; }

    void setContent(const Text& text) override {
        Show(text);
        Raise(onContentChanged);
    }

    void AppendAtEnd(const Text& text) override {
        text_ += text;
        edit_->setText(ToQString(text_));
        edit_->end(false);
    }

private:
    void Show(const Text& text) {
        text_ = text;
        edit_->setText(ToQString(text_));
        edit_->home(false);
    }

    QLineEdit* edit_;
    Text text_;
    QObject lifetime_;  // ends the widget's connections with this control
};

class MultiLineEditBox final : public EditBox {
public:
    MultiLineEditBox(const ControlRecord& record, QWidget* parent)
        : EditBox(record.name, new QPlainTextEdit(parent)),
          edit_(static_cast<QPlainTextEdit*>(widget())) {
        edit_->setReadOnly(record.readOnly);
        edit_->setFont(ToQFont(record.font));
        edit_->setStyleSheet(StyleSheet("QPlainTextEdit", record));
        edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit_->setVerticalScrollBarPolicy(record.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        Show(Text(record.content));
        QObject::connect(edit_, &QPlainTextEdit::textChanged, &lifetime_, [this] {
            if (!writing_) {
                text_ =
                    TextFromQString(edit_->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
                Raise(onContentChanged);
            }
        });
    }

    Text content() const override { return text_; }

    void setContent(const Text& text) override {
        Show(text);
        Raise(onContentChanged);
    }

    // Qt shows "\r\n", "\n" and "\r" each as one line break. A "\r\n" split over two appends
    // is already shown as a break by its "\r", so its "\n" is not shown again.
    void AppendAtEnd(const Text& text) override {
        QString shown = ToQString(text);
        if (!text_.empty() && text_.bytes().back() == '\r' && shown.startsWith(u'\n')) {
            shown.remove(0, 1);
        }
        text_ += text;
        QTextCursor end(edit_->document());
        end.movePosition(QTextCursor::End);
        writing_ = true;
        end.insertText(shown);
        writing_ = false;
        edit_->setTextCursor(end);
        edit_->ensureCursorVisible();
        edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
    }

private:
    void Show(const Text& text) {
        text_ = text;
        writing_ = true;
        edit_->setPlainText(ToQString(text_));
        writing_ = false;
        edit_->moveCursor(QTextCursor::Start);
        edit_->verticalScrollBar()->setValue(0);
    }

    QPlainTextEdit* edit_;
    Text text_;
    bool writing_ = false;  // the program, not the user, is changing the widget's text
    QObject lifetime_;      // ends the widget's connections with this control
};

}  // namespace

std::unique_ptr<Control> MakeEditBox(const ControlRecord& record, QWidget* parent) {
    if (record.multiLine) {
        return std::make_unique<MultiLineEditBox>(record, parent);
    }
    return std::make_unique<SingleLineEditBox>(record, parent);
}

}  // namespace tarnwick::ui
