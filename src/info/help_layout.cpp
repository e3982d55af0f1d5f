#include "info/help_layout.h"

#include <cmath>

namespace info {

QRect helpViewRect(QSize client) {
    return {5, 5, client.width() - 10, client.height() - 50};
}

QRect helpCloseButtonRect(QSize client) {
    const double tenth = client.width() * 0.1;
    const int width = static_cast<int>(std::nearbyint(tenth));
    const int left = static_cast<int>(std::nearbyint(client.width() / 2 - tenth / 2));
    return {left, client.height() - 35, width, 30};
}

} // namespace info
