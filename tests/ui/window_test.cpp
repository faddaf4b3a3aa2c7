// Building a window from its template: place, look, controls, stacking and closing.
#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/ui/built_window.h"
#include "ui/controls/look.h"

#ifdef Q_OS_WIN
#include "host/win/windows_api.h"
#endif

namespace tarnwick::ui {
namespace {

using K = ControlKind;

// Odd differences to the screen's size, so that the centring has a remainder to drop.
const WindowTemplate kCentred{
    .title = "Tarnwick",
    .width = 261,
    .height = 451,
    .background = "mode_background",
    .backColour = 0xFFFFFF,
    .left = std::nullopt,
    .top = std::nullopt,
    .taskbarButton = true,
    .controls =
        {
            {.name = "编辑",
             .kind = K::EditBox,
             .parent = "分组",
             .left = 5,
             .top = 12,
             .width = 100,
             .height = 18},
            {.name = "隐藏",
             .kind = K::Label,
             .left = 10,
             .top = 10,
             .width = 50,
             .height = 15,
             .visible = false},
            {.name = "禁用",
             .kind = K::CheckBox,
             .parent = "分组",
             .left = 5,
             .top = 40,
             .width = 100,
             .height = 15,
             .enabled = false},
            {.name = "通用对话框1", .kind = K::FileChooser, .defaultExtension = ".img"},
            {.name = "关闭",
             .kind = K::PictureButton,
             .left = 227,
             .top = 9,
             .width = 24,
             .height = 24,
             .images = "close"},
            {.name = "分组",
             .kind = K::GroupBox,
             .left = 10,
             .top = 75,
             .width = 240,
             .height = 60},
        },
};

const WindowTemplate kPlaced{
    .title = "Mirelkit",
    .width = 420,
    .height = 300,
    .background = "info_background",
    .backColour = std::nullopt,
    .left = 50,
    .top = 50,
    .taskbarButton = false,
    .controls =
        {
            {.name = "标签1",
             .kind = K::Label,
             .left = 0,
             .top = -1,
             .width = 420,
             .height = 30,
             .caption = "信息",
             .textColour = 0xFFFFFF,
             .font = {nullptr, 16},
             .alignment = Alignment::Centre,
             .backImage = "info_title"},
            {.name = "标签2",
             .kind = K::Label,
             .left = 10,
             .top = 40,
             .width = 152,
             .height = 16,
             .caption = "群",
             .font = {"微软雅黑", 13}},
        },
};

// Overlapping controls: the one listed first lies on top, also over a group box's children.
const WindowTemplate kStacked{
    .title = "stacked",
    .width = 200,
    .height = 200,
    .background = nullptr,
    .backColour = 0xFFFFFF,
    .left = 0,
    .top = 0,
    .taskbarButton = true,
    .controls =
        {
            {.name = "上框",
             .kind = K::GroupBox,
             .left = 10,
             .top = 10,
             .width = 100,
             .height = 100},
            {.name = "中", .kind = K::Label, .left = 50, .top = 50, .width = 100, .height = 100},
            {.name = "子",
             .kind = K::Label,
             .parent = "下框",
             .left = 50,
             .top = 10,
             .width = 40,
             .height = 40},
            {.name = "下框",
             .kind = K::GroupBox,
             .left = 90,
             .top = 90,
             .width = 100,
             .height = 100},
        },
};

class Building : public testing::WindowTest {};

TEST_F(Building, CentresOnThePrimaryScreenWithIntegerDivision) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Build(kCentred, false);
    EXPECT_EQ(window->left(), screen.x() + (screen.width() - 261) / 2);
    EXPECT_EQ(window->top(), screen.y() + (screen.height() - 451) / 2);
}

TEST_F(Building, PlacesAtTheTemplatesPositionAndMovesWithoutResizing) {
    Build(kPlaced);
    EXPECT_EQ(window->widget()->pos(), QPoint(50, 50));
    window->setTop(120);
    window->setLeft(-30);
    EXPECT_EQ(window->left(), -30);
    EXPECT_EQ(window->top(), 120);
    EXPECT_EQ(window->widget()->size(), QSize(420, 300));
}

TEST_F(Building, MakesAFramelessFixedWindowWithItsTitleAndNoTaskbarButtonWhenAsked) {
    Build(kCentred, false);
    QWidget* face = window->widget();
    EXPECT_FALSE(face->isVisible());
    EXPECT_EQ(face->windowTitle(), QStringLiteral("Tarnwick"));
    EXPECT_TRUE(face->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_NE(face->windowType(), Qt::Tool);
    EXPECT_EQ(face->minimumSize(), QSize(261, 451));
    EXPECT_EQ(face->maximumSize(), QSize(261, 451));

    Build(kPlaced, false);
    EXPECT_EQ(window->widget()->windowType(), Qt::Tool);
}

TEST_F(Building, CreatesControlsInsideTheirParentsWithTheirInitialState) {
    Build(kCentred);
    auto& edit = window->control<EditBox>("编辑");
    EXPECT_EQ(edit.widget()->parentWidget(), window->control<GroupBox>("分组").widget());
    EXPECT_EQ(edit.widget()->geometry(), QRect(5, 12, 100, 18));
    EXPECT_TRUE(edit.visible());
    EXPECT_FALSE(edit.disabled());
    EXPECT_FALSE(window->control<Label>("隐藏").visible());
    EXPECT_TRUE(window->control<CheckBox>("禁用").disabled());
    EXPECT_TRUE(window->control<CheckBox>("禁用").visible());
}

TEST_F(Building, TheFileChooserRecordSetsOnlyTheDefaultExtension) {
    Build(kCentred, false);
    FileChooser expected;
    expected.defaultExtension = ".img";
    const FileChooser& chooser = window->chooser();
    EXPECT_EQ(chooser.defaultExtension, expected.defaultExtension);
    EXPECT_EQ(chooser.initialDirectory, expected.initialDirectory);
    EXPECT_EQ(chooser.kind, expected.kind);
    EXPECT_EQ(chooser.fileMustExist, expected.fileMustExist);
}

TEST_F(Building, FindsControlsByNameAndKindOnly) {
    Build(kCentred, false);
    EXPECT_EQ(window->control<Control>("关闭").name(), "关闭");
    EXPECT_THROW(window->control<EditBox>("没有"), std::logic_error);
    EXPECT_THROW(window->control<RadioButton>("编辑"), std::logic_error);
    EXPECT_THROW(window->control<Control>("通用对话框1"), std::logic_error);
}

TEST_F(Building, StacksTheFirstListedControlOnTop) {
    Build(kStacked);
    QWidget* face = window->widget();
    EXPECT_EQ(face->childAt(60, 60), window->control<GroupBox>("上框").widget());
    EXPECT_EQ(face->childAt(120, 120), window->control<Label>("中").widget());
    EXPECT_EQ(face->childAt(95, 95), window->control<GroupBox>("上框").widget());
    EXPECT_EQ(face->childAt(145, 120), window->control<Label>("中").widget());
    EXPECT_EQ(face->childAt(170, 120), window->control<Label>("子").widget());
}

TEST_F(Building, UsesTheChineseFaceOrAnInstalledStandInAtItsPixelHeight) {
    Build(kPlaced, false);
    const QFont face = window->control<Label>("标签2").widget()->font();
    EXPECT_EQ(QFontInfo(face).pixelSize(), 13);
    EXPECT_TRUE(QFontInfo(face).family() == QStringLiteral("微软雅黑") ||
                QFontInfo(face).family() == QStringLiteral("Microsoft YaHei") ||
                QFontInfo(face).family() == QStringLiteral("WenQuanYi Micro Hei"))
        << QFontInfo(face).family().toStdString();

    const QFont unnamed = window->control<Label>("标签1").widget()->font();
    EXPECT_EQ(unnamed.family(), DefaultGuiFont().family());
    EXPECT_EQ(unnamed.pixelSize(), 16);
}

// The stock font's height is in pixels of the system's DPI; Qt scales device-independent ones.
TEST(DefaultGuiFont, ItsHeightIsConvertedToDeviceIndependentPixels) {
    const struct {
        int lfHeight, systemDpi, pixelSize;
    } kRows[] = {
        {-12, 96, 12}, {-18, 144, 12}, {-15, 120, 12}, {-21, 168, 12}, {-24, 192, 12},
        {-11, 96, 11}, {-17, 144, 11}, {-40, 96, 12},  {-12, 0, 12},   {12, 96, 12},
    };
    for (const auto& row : kRows) {
        EXPECT_EQ(GuiFontPixelSize(row.lfHeight, row.systemDpi), row.pixelSize)
            << row.lfHeight << " at " << row.systemDpi << " dpi";
    }
}

#ifdef Q_OS_WIN
TEST_F(Building, TheDefaultFontIsTheOneGdiSelectsForTheSystemsDefaultGuiFont) {
    const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW logical{};
    ASSERT_NE(GetObjectW(stock, sizeof logical, &logical), 0);
    ASSERT_LT(logical.lfHeight, 0);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, stock);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);

    Build(kCentred);
    const QFont unnamed = window->control<CheckBox>("禁用").widget()->font();  // no face nor height
    EXPECT_EQ(unnamed.family(), QString::fromWCharArray(face));
    EXPECT_EQ(unnamed.pixelSize(),
              GuiFontPixelSize(logical.lfHeight, static_cast<int>(GetDpiForSystem())));
    EXPECT_NE(QString::fromWCharArray(face), QStringLiteral("MS Shell Dlg"));  // the real one
}
#endif

class Closing : public testing::WindowTest {
protected:
    void SetUp() override {
        Build(kCentred);
        window->onCloseRequest = [this] { ++requests; };
    }
    int requests = 0;
};

TEST_F(Closing, EscInAnyControlOrOnTheWindowRequestsTheClose) {
    QTest::keyClick(window->control<EditBox>("编辑").widget(), Qt::Key_Escape);
    EXPECT_EQ(requests, 1);
    QTest::keyClick(window->widget(), Qt::Key_Escape);
    EXPECT_EQ(requests, 2);
    QTest::keyClick(window->control<EditBox>("编辑").widget(), Qt::Key_A);
    EXPECT_EQ(requests, 2);
    EXPECT_TRUE(window->widget()->isVisible());
}

TEST_F(Closing, ThePlatformsCloseRequestIsLeftToTheOwner) {
    EXPECT_FALSE(window->widget()->close());
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(window->widget()->isVisible());
}

TEST_F(Closing, TheOwnerMayDestroyTheWindowInsideItsOwnEvents) {
    window->onCloseRequest = [this] { window.reset(); };
    QTest::keyClick(window->control<EditBox>("编辑").widget(), Qt::Key_Escape);
    EXPECT_EQ(window, nullptr);

    Build(kCentred);
    auto& close = window->control<PictureButton>("关闭");
    close.onClick = [this] { window.reset(); };
    QTest::mouseClick(close.widget(), Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(window, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tarnwick::ui
