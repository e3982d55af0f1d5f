#pragma once

// The detail panel below the entry list: the detail text and the colour preview of the selected entry.
namespace colour {

// Rewrites the detail text and redraws the preview image from the entry list's selected row (its column
// titles when none is selected), then shows the preview at its full 530 × 150.
void refreshDetails();

} // namespace colour
