#include "colour/detail_panel.h"

#include "app/ids.h"
#include "colour/detail_text.h"
#include "colour/notation.h"
#include "gui/controls.h"
#include "gui/images.h"
#include "gui/list_view.h"

namespace colour {

void refreshDetails() {
    const int row = gui::selectedListRow(ids::kEntryList);
    EntryTexts texts;
    for (int column = 0; column < 6; ++column)
        texts[std::size_t(column)] = gui::listCellText(ids::kEntryList, row, column);

    gui::setControlText(ids::kDetailText, detailText(texts));

    for (std::size_t i = 0; i < 3; ++i)
        gui::fillRect(ids::kPreviewImage, kPreviewRects[i], colourInteger(texts[3 + i]));
    // The labels go on last so they stay readable on any colour, white included.
    for (std::size_t i = 0; i < 3; ++i)
        gui::drawText(ids::kPreviewImage, kPreviewLabelCorners[i], QString::number(i + 1));

    gui::setImageFieldImage(ids::kColourPreview, ids::kPreviewImage);
}

} // namespace colour
