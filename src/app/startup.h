#pragma once

// Bringing the program up and taking it down again, around the main loop.
namespace app {

// Everything from the icon set to the filled entry list; the QApplication must already exist.
void startUp();

// Frees images, windows, fonts and any open database.
void shutDown();

} // namespace app
