// The pictures the window templates name: present in the resource tree, at the sizes the
// windows show them and at twice those, opaque, and in the colours the controls promise.
#include <QImage>

#include <gtest/gtest.h>

#include <string>

#include "ui/art/art.h"

namespace {

struct Design {
    const char* name;
    int width;
    int height;
};

const Design kPictures[] = {
    {"home_background", 260, 450},     {"mode_background", 260, 450},
    {"info_background", 420, 300},     {"info_title", 420, 30},
    {"mode_push_normal", 200, 32},     {"mode_push_hover", 200, 32},
    {"mode_flash_normal", 200, 32},    {"mode_flash_hover", 200, 32},
    {"mode_compile_normal", 200, 32},  {"mode_compile_hover", 200, 32},
    {"mode_crack_normal", 200, 32},    {"mode_crack_hover", 200, 32},
    {"mode_feedback_normal", 200, 32}, {"mode_feedback_hover", 200, 32},
    {"mode_home_normal", 200, 32},     {"mode_home_hover", 200, 32},
    {"close_normal", 24, 24},          {"close_hover", 24, 24},
    {"close_pressed", 24, 24},         {"back_normal", 100, 30},
    {"back_hover", 100, 30},           {"next_normal", 100, 30},
    {"next_hover", 100, 30},           {"browse_normal", 30, 20},
    {"browse_hover", 30, 20},
};

// The picture as the program reads it, in place.
QImage Load(const char* name) {
    return tarnwick::ArtImage(QString::fromLatin1(name));
}

TEST(Art, EveryPictureIsPresentOpaqueOfItsShownAndDoubleSizeAndReadInPlaceAsQtDecodesIt) {
    for (const Design& design : kPictures) {
        for (const int scale : {1, 2}) {
            const std::string name = design.name + std::string(scale == 2 ? "_2x" : "");
            SCOPED_TRACE(name);
            const QImage picture = Load(name.c_str());
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(picture.size(), QSize(design.width, design.height) * scale);
            EXPECT_FALSE(picture.hasAlphaChannel());
            const QImage decoded(tarnwick::ArtPath(QString::fromStdString(name)), "ppm");
            EXPECT_EQ(picture, decoded.convertToFormat(QImage::Format_RGB888));
        }
    }
    EXPECT_TRUE(tarnwick::ArtImage(u"no_such_picture").isNull());
}

TEST(Art, ButtonFacesAreGreenAndBlueUnderThePointer) {
    const QColor green = Load("close_normal").pixelColor(0, 0);
    const QColor blue(0x00, 0x88, 0xFF);
    for (const char* button : {"mode_push", "mode_flash", "mode_compile", "mode_crack",
                               "mode_feedback", "mode_home", "back", "next", "browse"}) {
        SCOPED_TRACE(button);
        const QImage normal = Load((std::string(button) + "_normal").c_str());
        const QImage hover = Load((std::string(button) + "_hover").c_str());
        const QPoint face(5, normal.height() / 2);
        EXPECT_EQ(normal.pixelColor(face), green);
        EXPECT_EQ(hover.pixelColor(face), blue);
    }
}

TEST(Art, CloseButtonsSitSeamlesslyOnTheTitleStrips) {
    const QImage home = Load("home_background");
    const QImage mode = Load("mode_background");
    const QImage title = Load("info_title");
    for (const char* state : {"close_normal", "close_hover", "close_pressed"}) {
        SCOPED_TRACE(state);
        const QColor strip = Load(state).pixelColor(0, 0);
        // Corners of the button at 227,9 in the home and mode windows.
        for (const QImage& window : {home, mode}) {
            EXPECT_EQ(window.pixelColor(227, 9), strip);
            EXPECT_EQ(window.pixelColor(250, 32), strip);
        }
        EXPECT_EQ(title.pixelColor(title.width() - 5, title.height() / 2), strip);
    }
}

}  // namespace
