// The program's pictures in the resource tree.
#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

namespace tarnwick {

// Resource path of the picture `name`, e.g. "close_hover" -> ":/art/close_hover.ppm".
QString ArtPath(QStringView name);

// The picture `name` where it lies in the program's image: an image that borrows its rows of
// 8-bit red, green and blue, so nothing is decoded or copied and a window's pictures cost
// almost nothing to read. A null image when the picture is missing or is not a binary PPM of
// 8-bit channels stored uncompressed.
QImage ArtImage(QStringView name);

}  // namespace tarnwick
