#pragma once

#include <QString>
#include <QStringList>

// The texts of the about window, in one place so they are easy to review.
namespace info {

inline const QString kAboutTitle = QStringLiteral("Über Tessora");
inline const QString kAboutHeading = QStringLiteral("Tessora - Farbfundus");

// The 21 lines of the about list, in their order; empty strings are the blank lines.
QStringList aboutLines();

} // namespace info
