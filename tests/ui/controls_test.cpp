// The control kinds as the handlers use them: marks, contents, events and visibility.
#include <QComboBox>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/built_window.h"
#include "ui/art/art.h"

namespace tarnwick::ui {
namespace {

using K = ControlKind;

// Radio buttons directly in the window and in two group boxes that stand below them.
const WindowTemplate kChoices{
    .title = "choices",
    .width = 300,
    .height = 200,
    .background = nullptr,
    .backColour = 0xFFFFFF,
    .left = 0,
    .top = 0,
    .taskbarButton = true,
    .controls =
        {
            {.name = "上",
             .kind = K::RadioButton,
             .left = 10,
             .top = 10,
             .width = 100,
             .height = 15,
             .caption = "上",
             .checked = true},
            {.name = "下",
             .kind = K::RadioButton,
             .left = 10,
             .top = 30,
             .width = 100,
             .height = 15,
             .caption = "下"},
            {.name = "甲1",
             .kind = K::RadioButton,
             .parent = "甲组",
             .left = 5,
             .top = 5,
             .width = 100,
             .height = 15,
             .caption = "甲1",
             .checked = true},
            {.name = "甲2",
             .kind = K::RadioButton,
             .parent = "甲组",
             .left = 5,
             .top = 25,
             .width = 100,
             .height = 15,
             .caption = "甲2"},
            {.name = "乙1",
             .kind = K::RadioButton,
             .parent = "乙组",
             .left = 5,
             .top = 5,
             .width = 100,
             .height = 15,
             .caption = "乙1",
             .checked = true},
            {.name = "乙2",
             .kind = K::RadioButton,
             .parent = "乙组",
             .left = 5,
             .top = 25,
             .width = 100,
             .height = 15,
             .caption = "乙2"},
            {.name = "选项",
             .kind = K::CheckBox,
             .left = 10,
             .top = 180,
             .width = 100,
             .height = 15,
             .caption = "选项"},
            {.name = "甲组",
             .kind = K::GroupBox,
             .left = 10,
             .top = 60,
             .width = 130,
             .height = 50},
            {.name = "乙组",
             .kind = K::GroupBox,
             .left = 150,
             .top = 60,
             .width = 130,
             .height = 50},
        },
};

class RadioGroups : public testing::WindowTest {
protected:
    void SetUp() override { Build(kChoices); }
    RadioButton& Radio(const char* name) { return window->control<RadioButton>(name); }
    std::vector<bool> Marks() {
        std::vector<bool> marks;
        for (const char* name : {"上", "下", "甲1", "甲2", "乙1", "乙2"}) {
            marks.push_back(Radio(name).checked());
        }
        return marks;
    }
};

TEST_F(RadioGroups, AClickMovesTheMarkWithinItsParentOnlyBeforeRaisingClick) {
    std::vector<bool> seen;
    Radio("甲2").onClick = [&] { seen = Marks(); };
    testing::ClickMark(Radio("甲2"));
    const std::vector<bool> expected{true, false, false, true, true, false};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Marks(), expected);

    testing::ClickMark(Radio("下"));
    EXPECT_EQ(Marks(), (std::vector<bool>{false, true, false, true, true, false}));
}

TEST_F(RadioGroups, AClickOnACheckedButtonKeepsItsMarkAndRaisesClick) {
    int clicks = 0;
    Radio("乙1").onClick = [&] { ++clicks; };
    testing::ClickMark(Radio("乙1"));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Marks(), (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(RadioGroups, WritingTheMarkChangesThatButtonOnly) {
    int clicks = 0;
    Radio("乙2").onClick = [&] { ++clicks; };
    Radio("乙2").setChecked(true);
    Radio("上").setChecked(false);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true, false, true, true}));
    EXPECT_EQ(clicks, 0);
}

TEST_F(RadioGroups, ACheckBoxClickTogglesBeforeRaisingClick) {
    auto& box = window->control<CheckBox>("选项");
    std::vector<bool> seen;
    box.onClick = [&] { seen.push_back(box.checked()); };
    testing::ClickMark(box);
    testing::ClickMark(box);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(RadioGroups, ADisabledButtonIgnoresClicks) {
    int clicks = 0;
    Radio("下").onClick = [&] { ++clicks; };
    Radio("下").setDisabled(true);
    EXPECT_TRUE(Radio("下").disabled());
    testing::ClickMark(Radio("下"));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(Radio("下").checked());
}

const WindowTemplate kEdits{
    .title = "edits",
    .width = 300,
    .height = 300,
    .background = nullptr,
    .backColour = 0xFFFFFF,
    .left = 0,
    .top = 0,
    .taskbarButton = true,
    .controls =
        {
            {.name = "单行",
             .kind = K::EditBox,
             .left = 10,
             .top = 10,
             .width = 200,
             .height = 18,
             .content = "framework\\framework-res.apk",
             .border = Border::Sunken},
            {.name = "多行",
             .kind = K::EditBox,
             .left = 10,
             .top = 40,
             .width = 200,
             .height = 60,
             .multiLine = true,
             .verticalScrollBar = true},
            {.name = "日志",
             .kind = K::EditBox,
             .left = 10,
             .top = 110,
             .width = 200,
             .height = 60,
             .enabled = false,
             .multiLine = true,
             .readOnly = true},
            {.name = "只读",
             .kind = K::EditBox,
             .left = 10,
             .top = 180,
             .width = 200,
             .height = 18,
             .readOnly = true,
             .border = Border::Thin},
        },
};

class EditBoxes : public testing::WindowTest {
protected:
    void SetUp() override {
        Build(kEdits);
        for (const char* name : {"单行", "多行", "日志", "只读"}) {
            Box(name).onContentChanged = [this, name] { changes.push_back(name); };
        }
    }
    EditBox& Box(const char* name) { return window->control<EditBox>(name); }
    QPlainTextEdit* Lines(const char* name) {
        return Box(name).widget()->findChild<QPlainTextEdit*>();
    }

    std::vector<std::string> changes;
};

TEST_F(EditBoxes, StartWithTheirPresetContent) {
    EXPECT_EQ(Box("单行").content(), Text("framework\\framework-res.apk"));
    EXPECT_EQ(Box("多行").content(), Text());
    EXPECT_TRUE(changes.empty());
}

TEST_F(EditBoxes, EveryWriteRaisesContentChangedOnceAlsoForTheSameText) {
    for (const char* name : {"单行", "多行", "只读"}) {
        Box(name).setContent("D:\\apps\\demo.apk");
        Box(name).setContent("D:\\apps\\demo.apk");
    }
    EXPECT_EQ(changes, (std::vector<std::string>{"单行", "单行", "多行", "多行", "只读", "只读"}));
    EXPECT_EQ(Box("多行").content(), Text("D:\\apps\\demo.apk"));
}

TEST_F(EditBoxes, TheHandlerReadsTheNewTextAndMayWriteAnotherBox) {
    Text seen;
    Box("只读").onContentChanged = [&] {
        seen = Box("只读").content();
        Box("单行").setContent("");
    };
    Box("只读").setContent("新");
    EXPECT_EQ(seen, Text("新"));
    EXPECT_EQ(Box("单行").content(), Text());
    EXPECT_EQ(changes, std::vector<std::string>{"单行"});
}

TEST_F(EditBoxes, TypingRaisesContentChangedPerEditWithWindowsLineBreaks) {
    Box("单行").setContent("");
    changes.clear();
    QTest::keyClicks(Box("单行").widget(), "ab");
    EXPECT_EQ(Box("单行").content(), Text("ab"));
    EXPECT_EQ(changes.size(), 2u);

    changes.clear();
    QTest::keyClick(Lines("多行"), Qt::Key_A);
    QTest::keyClick(Lines("多行"), Qt::Key_Return);
    QTest::keyClick(Lines("多行"), Qt::Key_B);
    EXPECT_EQ(Box("多行").content(), Text("a\r\nb"));
    EXPECT_EQ(changes.size(), 3u);

    changes.clear();
    QTest::keyClicks(Box("只读").widget(), "ab");
    EXPECT_TRUE(changes.empty());
}

TEST_F(EditBoxes, AWriteShowsTheStartOfTheNewText) {
    Text lines;
    for (int line = 0; line < 40; ++line) {
        lines += "line\r\n";
    }
    Lines("多行")->moveCursor(QTextCursor::End);
    Box("多行").setContent(lines);
    EXPECT_EQ(Lines("多行")->textCursor().position(), 0);
    EXPECT_EQ(Lines("多行")->verticalScrollBar()->value(), 0);

    Box("单行").setContent("C:\\a-long-path\\that-does-not-fit\\into-the-box\\recovery.img");
    EXPECT_EQ(qobject_cast<QLineEdit*>(Box("单行").widget())->cursorPosition(), 0);
}

TEST_F(EditBoxes, AppendingToADisabledReadOnlyLogKeepsEveryByte) {
    LogBox& log = Box("日志");
    Box("日志").setContent("请勿断开手机连接...\r\n");
    log.AppendAtEnd("a");
    log.AppendAtEnd("b\r\n");
    log.AppendAtEnd("\r\n . ");
    log.AppendAtEnd("操作已经完成...");
    EXPECT_EQ(Box("日志").content(), Text("请勿断开手机连接...\r\nab\r\n\r\n . 操作已经完成..."));
    EXPECT_EQ(Lines("日志")->toPlainText(),
              QString::fromUtf8("请勿断开手机连接...\nab\n\n . 操作已经完成..."));
    EXPECT_EQ(changes, std::vector<std::string>{"日志"});  // the write only
}

TEST_F(EditBoxes, AppendingShowsALineBreakSplitOverTwoTextsOnce) {
    Box("日志").setContent("");
    Box("日志").AppendAtEnd("x\r");
    Box("日志").AppendAtEnd("\ny\n");
    EXPECT_EQ(Box("日志").content(), Text("x\r\ny\n"));
    EXPECT_EQ(Lines("日志")->toPlainText(), QStringLiteral("x\ny\n"));
}

TEST_F(EditBoxes, BytesOutsideUnicodeReadBackUnchanged) {
    const Text odd = Text::FromBytes("a\xFF\r\n");
    Box("多行").setContent(odd);
    Box("多行").AppendAtEnd(odd);
    Box("单行").setContent(odd);
    Box("单行").AppendAtEnd(odd);
    EXPECT_EQ(Box("多行").content(), odd + odd);
    EXPECT_EQ(Box("单行").content(), odd + odd);
}

// A multi-line box makes its edit control when it first shows; what was written before is
// all there, with the end in view after appends.
TEST_F(EditBoxes, AHiddenBoxShowsEverythingWrittenBeforeItFirstShows) {
    Build(kEdits, false);
    EXPECT_EQ(Lines("多行"), nullptr);
    Text written = "x\r";
    Box("多行").setContent(written);
    for (int line = 0; line < 40; ++line) {
        Box("多行").AppendAtEnd("\nline\r");
        written += "\nline\r";
    }
    window->Show();
    QPlainTextEdit* lines = Lines("多行");
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(Box("多行").content(), written);
    EXPECT_EQ(lines->toPlainText(), "x" + QStringLiteral("\nline").repeated(40) + "\n");
    EXPECT_TRUE(lines->textCursor().atEnd());
    EXPECT_EQ(lines->verticalScrollBar()->value(), lines->verticalScrollBar()->maximum());
}

TEST_F(EditBoxes, AppendingPutsCaretAndViewAtTheEnd) {
    Box("多行").setContent("");
    for (int line = 0; line < 40; ++line) {
        Box("多行").AppendAtEnd("line\r\n");
    }
    QPlainTextEdit* lines = Lines("多行");
    EXPECT_TRUE(lines->textCursor().atEnd());
    EXPECT_GT(lines->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(lines->verticalScrollBar()->value(), lines->verticalScrollBar()->maximum());
}

const WindowTemplate kPicks{
    .title = "picks",
    .width = 300,
    .height = 200,
    .background = nullptr,
    .backColour = 0xFFFFFF,
    .left = 0,
    .top = 0,
    .taskbarButton = true,
    .controls =
        {
            {.name = "选择",
             .kind = K::ComboBox,
             .left = 10,
             .top = 10,
             .width = 195,
             .height = 20,
             .items = {"Find 5  [ Twrp-Recovery ]", "Find 7  [ Twrp-Recovery ]"},
             .currentItem = 0,
             .textColour = 0x008080},
            {.name = "空", .kind = K::ComboBox, .left = 10, .top = 40, .width = 195, .height = 20},
            {.name = "关闭",
             .kind = K::PictureButton,
             .left = 10,
             .top = 70,
             .width = 24,
             .height = 24,
             .images = "close"},
            {.name = "返回",
             .kind = K::PictureButton,
             .left = 50,
             .top = 70,
             .width = 100,
             .height = 30,
             .images = "back"},
        },
};

class Picks : public testing::WindowTest {
protected:
    void SetUp() override { Build(kPicks); }
};

TEST_F(Picks, TheComboBoxOnlyPicksItsItems) {
    auto& combo = window->control<ComboBox>("选择");
    auto* face = qobject_cast<QComboBox*>(combo.widget());
    EXPECT_EQ(combo.currentItem(), 0);
    EXPECT_FALSE(face->isEditable());
    EXPECT_EQ(face->currentText(), QStringLiteral("Find 5  [ Twrp-Recovery ]"));
    QTest::keyClick(face, Qt::Key_Down);
    EXPECT_EQ(combo.currentItem(), 1);
    EXPECT_EQ(window->control<ComboBox>("空").currentItem(), -1);
}

TEST_F(Picks, APictureButtonClicksOnALeftReleaseOverItOnly) {
    auto& button = window->control<PictureButton>("返回");
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    QWidget* face = button.widget();
    const QPoint inside(50, 15);

    QTest::mousePress(face, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(face, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 1);

    QTest::mousePress(face, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(150, 15));
    EXPECT_EQ(clicks, 1);

    QTest::mouseClick(face, Qt::RightButton, {}, inside);
    QTest::mouseRelease(face, Qt::LeftButton, {}, inside);  // no press before it
    EXPECT_EQ(clicks, 1);
}

TEST_F(Picks, APictureButtonShowsItsImageForEachState) {
    QWidget* face = window->control<PictureButton>("关闭").widget();
    auto shows = [&](const char* image) {
        return face->grab().toImage().convertToFormat(QImage::Format_RGB32) ==
               QImage(ArtPath(QString::fromLatin1(image))).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(shows("close_normal"));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), face->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(face, &enter);
    EXPECT_TRUE(shows("close_hover"));
    QTest::mousePress(face, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(shows("close_pressed"));
    QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(shows("close_hover"));
}

const WindowTemplate kLogView{
    .title = "log view",
    .width = 260,
    .height = 450,
    .background = nullptr,
    .backColour = 0xFFFFFF,
    .left = 0,
    .top = 0,
    .taskbarButton = true,
    .controls =
        {
            {.name = "显示框",
             .kind = K::GroupBox,
             .left = 10,
             .top = 65,
             .width = 240,
             .height = 310,
             .visible = false},
            {.name = "显示窗",
             .kind = K::EditBox,
             .parent = "显示框",
             .left = 5,
             .top = 12,
             .width = 230,
             .height = 290,
             .multiLine = true,
             .readOnly = true},
            {.name = "标签",
             .kind = K::Label,
             .parent = "显示框",
             .left = 5,
             .top = 305,
             .width = 100,
             .height = 15,
             .caption = "标签"},
        },
};

class Visibility : public testing::WindowTest {};

TEST_F(Visibility, ControlsReadNotVisibleWhileTheWindowIsHidden) {
    Build(kLogView, false);
    auto& box = window->control<GroupBox>("显示框");
    box.setVisible(true);
    EXPECT_FALSE(box.visible());
    window->Show();
    EXPECT_TRUE(box.visible());
}

TEST_F(Visibility, AGroupBoxHidesItsChildrenWithoutChangingTheirOwnSetting) {
    Build(kLogView);
    auto& box = window->control<GroupBox>("显示框");
    auto& log = window->control<EditBox>("显示窗");
    auto& label = window->control<Label>("标签");
    EXPECT_FALSE(box.visible());
    EXPECT_FALSE(log.visible());

    box.setVisible(true);
    EXPECT_TRUE(log.visible());
    EXPECT_TRUE(label.visible());

    label.setVisible(false);
    box.setVisible(false);
    EXPECT_FALSE(log.visible());
    box.setVisible(true);
    EXPECT_TRUE(log.visible());
    EXPECT_FALSE(label.visible());
}

}  // namespace
}  // namespace tarnwick::ui
