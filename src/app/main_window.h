#pragma once

#include <QString>

// The main window: its controls with their fixed numbers, the icon set and the off-screen images.
namespace app {

inline const QString kMainTitle = QStringLiteral("Tessora - Farbfundus");

// Loads the eleven icon files from the graphics folder; a missing or broken file leaves its image empty.
void loadIconSet(const QString& graphicsFolder);

// Images 0 and 12 white, image 1 black.
void createOffscreenImages();

// Window, menus, controls, filter labels, the first detail refresh, focus, shortcuts; in that order.
void openMainWindow();

} // namespace app
