#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// The controls of the program's windows, named by number. Positions are relative to the window's area below
// its menu bar. Each create call returns false when the window does not exist.
namespace gui {

struct ListColumn {
    QString title;
    int width;
};

bool createDropDownList(int window, int id, QRect place);     // pick one item, no typing, no sorting
bool createEditableDropDown(int window, int id, QRect place); // type or pick
bool createPushButton(int window, int id, QRect place, const QString& label, bool isDefault = false);
bool createImageButton(int window, int id, QRect place, int imageId);
bool createTextLabel(int window, int id, QRect place, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
bool createLineEdit(int window, int id, QRect place, bool readOnly);
bool createReadOnlyRichText(int window, int id, QRect place);
bool createImageField(int window, int id, QPoint topLeft, int imageId);
bool createListBox(int window, int id, QRect place, const QStringList& lines);
bool createListView(int window, int id, QRect place, const std::vector<ListColumn>& columns);

bool controlExists(int id);
QRect controlGeometry(int id);
void setControlGeometry(int id, QRect place);

// The whole text of a text field, label, button or the text a drop-down box shows.
QString controlText(int id);
void setControlText(int id, const QString& text);
void setTextColours(int id, QColor text, QColor background);
QColor textColour(int id);

// Drop-down boxes
void appendDropDownItem(int id, const QString& text);
void selectDropDownItem(int id, int index);
int dropDownItemCount(int id);
int selectedDropDownItem(int id);

// Image fields take the size of every image assigned to them.
void setImageFieldImage(int id, int imageId);

void setControlFont(int id, int fontId);

void setFocus(int id);
// The control that has the keyboard focus, or -1.
int focusedControl();

} // namespace gui
