#pragma once

#include <QRect>
#include <QSize>

// Where the help window puts its HTML view and its close button, for a given client size.
namespace info {

// 5 px from the top-left, 10 px narrower and 50 px lower than the client area.
QRect helpViewRect(QSize client);

// A tenth of the width, centred below the view (the left edge rounded half to even), 35 px above the bottom.
QRect helpCloseButtonRect(QSize client);

} // namespace info
