#include "ui/art/art.h"

namespace tarnwick {

QString ArtPath(QStringView name) {
    return QStringLiteral(":/art/%1.png").arg(name);
}

}  // namespace tarnwick
