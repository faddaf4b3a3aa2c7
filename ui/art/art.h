// The program's pictures in the resource tree.
#pragma once

#include <QString>
#include <QStringView>

namespace tarnwick {

// Resource path of the picture `name`, e.g. "close_hover" -> ":/art/close_hover.png".
QString ArtPath(QStringView name);

}  // namespace tarnwick
