// The file chooser's settings as a Qt file dialog takes them, and its answer back.
#include "ui/chooser_settings.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include "tests/ui/qt_printers.h"

namespace tarnwick::ui {
namespace {

using testing::ScopedEnvironment;

TEST(NameFiltersTest, EntriesBecomeDescriptionsWithQtPatterns) {
    const struct {
        Text filter;
        QStringList expected;
    } cases[] = {
        {"APK文件(*.apk)|*.apk", {"APK文件(*.apk) (*.apk)"}},
        {"镜像文件(*.img)|*.img|ZIP文件(*.zip)|*.zip",
         {"镜像文件(*.img) (*.img)", "ZIP文件(*.zip) (*.zip)"}},
        {"APK文件(*.apk)|*.apk||", {"APK文件(*.apk) (*.apk)"}},
        {"APK文件(*.apk)|*.apk|", {"APK文件(*.apk) (*.apk)"}},
        {"镜像(*.img;*.bin)|*.img;*.bin", {"镜像(*.img;*.bin) (*.img *.bin)"}},
        // Windows matches "*.*" against every name, also those without a dot.
        {"全部文件(*.*)|*.*", {"全部文件(*.*) (*)"}},
        // "||" ends the list, as does an entry without a pattern.
        {"A|*.a||B|*.b", {"A (*.a)"}},
        {"A|*.a|B", {"A (*.a)"}},
        // 亅 is 0x81 0x7C: its trail byte is a bar in the program's encoding.
        {"亅文件|*.x", {"亅文件 (*.x)"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameFiltersOf(c.filter, 0).filters, c.expected) << c.filter;
    }
}

TEST(NameFiltersTest, TheInitialFilterIsSelected) {
    const Text filter = "镜像文件(*.img)|*.img|全部文件(*.*)|*.*";
    EXPECT_EQ(NameFiltersOf(filter, 0).selected, 0);
    EXPECT_EQ(NameFiltersOf(filter, 1).selected, 1);
    EXPECT_EQ(NameFiltersOf(filter, -3).selected, 0);  // a negative setting counts as 0
    EXPECT_EQ(NameFiltersOf(filter, 2).selected, 0);   // beyond the list: the first entry
    EXPECT_EQ(NameFiltersOf("", 0).selected, -1);      // no entries, none selected
}

// The home folder as drive C:, as it is only off Windows.
class HomeDriveTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "drive C: is the home folder only off Windows";
#endif
    }

    ScopedEnvironment home_{"HOME", "/home/ann"};
    FileChooser chooser_;
};

TEST_F(HomeDriveTest, OpensInTheInitialDirectoryWithTheFileName) {
    ChooserStart start = ChooserStartOf(chooser_);
    EXPECT_EQ(start.folder, "/home/ann");
    EXPECT_EQ(start.name, "");

    chooser_.fileName = "twrp.img";
    start = ChooserStartOf(chooser_);
    EXPECT_EQ(start.folder, "/home/ann");
    EXPECT_EQ(start.name, "twrp.img");

    chooser_.initialDirectory = "";
    EXPECT_EQ(ChooserStartOf(chooser_).folder, "");
}

TEST_F(HomeDriveTest, AFileNameWithAFolderOpensThere) {
    const struct {
        Text fileName;
        QString folder;
        QString name;
    } cases[] = {
        {"C:\\Downloads\\twrp.img", "/home/ann/Downloads", "twrp.img"},
        {"Z:\\tmp\\a.apk", "/tmp", "a.apk"},
        {"C:\\a.apk", "/home/ann", "a.apk"},
        // 乗 is 0x81 0x5C: its trail byte is a backslash in the program's encoding.
        {"C:\\乗\\刷机.img", "/home/ann/乗", "刷机.img"},
        // A drive without a folder keeps the initial directory.
        {"E:\\apps\\Foo.apk", "/home/ann", "Foo.apk"},
    };
    for (const auto& c : cases) {
        chooser_.fileName = c.fileName;
        const ChooserStart start = ChooserStartOf(chooser_);
        EXPECT_EQ(start.folder, c.folder) << c.fileName;
        EXPECT_EQ(start.name, c.name) << c.fileName;
    }
}

TEST(DefaultSuffixTest, DropsTheDot) {
    EXPECT_EQ(DefaultSuffixOf(".img"), "img");
    EXPECT_EQ(DefaultSuffixOf("apk"), "apk");
    EXPECT_EQ(DefaultSuffixOf(""), "");
}

TEST_F(HomeDriveTest, AConfirmedPathReplacesTheFileNameAndACancelKeepsIt) {
    FileChooser chooser;
    chooser.fileName = "old.img";

    EXPECT_TRUE(TakeChoice(chooser, "/home/ann/Downloads/twrp.img"));
    EXPECT_EQ(chooser.fileName, "C:\\Downloads\\twrp.img");

    EXPECT_FALSE(TakeChoice(chooser, std::nullopt));
    EXPECT_EQ(chooser.fileName, "C:\\Downloads\\twrp.img");

    EXPECT_TRUE(TakeChoice(chooser, "/media/usb/刷机包.zip"));
    EXPECT_EQ(chooser.fileName, "Z:\\media\\usb\\刷机包.zip");
}

}  // namespace
}  // namespace tarnwick::ui
