#include "info/about_text.h"

namespace info {

QStringList aboutLines() {
    return {
        QStringLiteral("Tessora - Farbfundus, © 2026 das Tessora-Team"),
        QString(),
        QStringLiteral("Für die wunderbarste Frau der Welt."),
        QStringLiteral("Alles Gute zum Hochzeitstag!"),
        QString(),
        QStringLiteral("Danke für jeden bunten Tag mit dir,"),
        QString(),
        QStringLiteral("für jedes Lachen und jede Farbe,"),
        QStringLiteral("für all die Jahre an meiner Seite"),
        QStringLiteral("und für alle, die noch kommen."),
        QString(),
        QStringLiteral("Viele Grüße an die Freunde aus unserem Programmierforum!"),
        QStringLiteral("Forum: ohne Adresse hier - ihr wisst, wo ihr uns findet."),
        QString(),
        QStringLiteral("Danke an die Macher des Tessora-Icon-Sets,"),
        QStringLiteral("welches unter der CC Attribution 2.5 License"),
        QStringLiteral("zur Verfügung steht!"),
        QStringLiteral("Das Icon-Set liegt dem Programm im Ordner gfx bei."),
        QString(),
        QStringLiteral("Info zur CC Lizenz:"),
        QStringLiteral("https://creativecommons.org/licenses/by/2.5/"),
    };
}

} // namespace info
