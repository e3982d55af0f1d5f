#pragma once

// The about window and the help window. Each runs its own loop until its one button is pressed, drops every
// other event meanwhile, and then hands the focus back to the entry list.
namespace info {

void showAbout();
void showHelp();

} // namespace info
