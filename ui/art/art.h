// The program's pictures in the resource tree.
#pragma once

#include <QString>
#include <QStringView>

namespace tarnwick {

// Resource path of the picture `name`, e.g. "close_hover" -> ":/art/close_hover.ppm".
QString ArtPath(QStringView name);

// The picture `name` where it lies in the program's image: its size and its rows of 8-bit red,
// green and blue, top row first. Nothing is decoded or copied, so a window's pictures cost
// almost nothing to read. Null rows when the picture is missing or is not a binary PPM of
// 8-bit channels stored uncompressed.
struct ArtPixels {
    int width = 0;
    int height = 0;
    const unsigned char* rows = nullptr;
};
ArtPixels ArtPixelsOf(QStringView name);

}  // namespace tarnwick
