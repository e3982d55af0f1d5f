#include "info/help_layout.h"

#include <cmath>

namespace info {

QRect helpViewRect(QSize client) {
    return {5, 5, client.width() - 10, client.height() - 50};
}

QRect helpCloseButtonRect(QSize client) {
    const double tenth = client.width() * 0.1;
    const int width = static_cast<int>(std::nearbyint(tenth));
    // Half the width is an integer division on purpose; only the tenth's half is fractional.
    const int halfWidth = client.width() / 2;
    const int left = static_cast<int>(std::nearbyint(halfWidth - tenth / 2));
    return {left, client.height() - 35, width, 30};
}

} // namespace info
