#include "collection.h"

#include "harness.h"

#include <cstdint>
#include <cstdio>
#include <sqlite3.h>

namespace bench {
namespace {

constexpr std::uint64_t kSeed = 0x7e55'02a0'c010'0125ull;
constexpr int kRareEvery = 100;
constexpr int kRareOffset = 37;

constexpr std::array<const char*, 20> kCategories{
    "Wohnzimmer",
    "Küche",
    "Badezimmer & Sauna",
    "Schlafzimmer",
    "Kinderzimmer",
    "Außenfassade",
    "Gartenmöbel",
    "Büro und Arbeitszimmer",
    "Flur",
    "Treppenhaus",
    "Werkstatt",
    "Wintergarten",
    "Keller",
    "Dachgeschoss mit Gauben",
    "Esszimmer",
    "Gästezimmer",
    "Terrasse",
    "Balkon",
    "Ladenlokal",
    "Praxisräume",
};

// Ten moods times twenty landscapes make the 200 palettes.
constexpr std::array<const char*, 10> kMoods{
    "Sanfte", "Kräftige", "Gedeckte",   "Leuchtende", "Erdige",
    "Kühle",  "Warme",    "Pastellige", "Nordische",  "Mediterrane",
};
constexpr std::array<const char*, 20> kLandscapes{
    "Wiese",          "Dämmerung",  "Küste",     "Waldlichtung", "Altstadt",   "Morgenröte",     "Heide",
    "Bergseen",       "Weinberge",  "Sandbank",  "Gletscher",    "Obstgärten", "Moorlandschaft", "Hafenstimmung",
    "Lavendelfelder", "Steinbruch", "Flussauen", "Marktplatz",   "Kornfelder", "Nebelwald",
};

constexpr std::array<const char*, 30> kShades{
    "Abendrot",     "Moosgrün",    "Sandstein", "Rauchgrau", "Zartrosa",   "Tannengrün", "Ockergelb", "Schiefer",
    "Kupferglanz",  "Eisblau",     "Mohnrot",   "Elfenbein", "Taubenblau", "Senfgelb",   "Flieder",   "Graphit",
    "Pfirsich",     "Bernstein",   "Olivgrün",  "Petrol",    "Himbeere",   "Lehmbraun",  "Nebelweiß", "Kirschblüte",
    "Zitronengras", "Mitternacht", "Salbei",    "Karamell",  "Basalt",     "Koralle",
};

constexpr std::array<const char*, 4> kFinishes{"", " matt", " seidenglänzend", " hochglänzend, für Innen und Außen"};

// mix() is splitmix64's finaliser; seeding through it puts each entry's stream at its own scattered starting point,
// so neighbouring entries never share values.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58'476d'1ce4'e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d0'49bb'1331'11ebull;
    return z ^ (z >> 31);
}

// splitmix64: a fresh, well-mixed stream per entry index.
class Random {
public:
    explicit Random(int index) : state_(mix(kSeed + std::uint64_t(index))) {}

    std::uint64_t next() { return mix(state_ += 0x9e37'79b9'7f4a'7c15ull); }

    int below(int bound) { return int(next() % std::uint64_t(bound)); }

private:
    std::uint64_t state_;
};

std::string colourText(Random& random) {
    char text[16];
    std::snprintf(text, sizeof text, "%d,%d,%d", random.below(256), random.below(256), random.below(256));
    return text;
}

std::string nameFor(int index, Random& random) {
    char number[32];
    std::snprintf(number, sizeof number, "Farbton %06d", index);
    std::string name = number;
    const int words = 1 + random.below(3);
    for (int word = 0; word < words; ++word) {
        name += ' ';
        name += kShades[std::size_t(random.below(int(kShades.size())))];
        if (word == 0 && index % kRareEvery == kRareOffset)
            name += " Seltenblau";
    }
    name += kFinishes[std::size_t(random.below(int(kFinishes.size())))];
    return name;
}

void check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        fail(QStringLiteral("%1 failed: %2").arg(QLatin1String(what), QString::fromUtf8(sqlite3_errmsg(db))));
}

} // namespace

GeneratedEntry entryAt(int index) {
    Random random(index);
    const int palette = random.below(int(kMoods.size() * kLandscapes.size()));
    GeneratedEntry entry;
    entry[0] = kCategories[std::size_t(random.below(int(kCategories.size())))];
    entry[1] = std::string(kMoods[std::size_t(palette) % kMoods.size()]) + ' ' +
               kLandscapes[std::size_t(palette) / kMoods.size()];
    entry[2] = nameFor(index, random);
    for (int colour = 3; colour < 6; ++colour)
        entry[std::size_t(colour)] = colourText(random);
    return entry;
}

int searchHits(int entries) {
    return entries / kRareEvery + (entries % kRareEvery > kRareOffset ? 1 : 0);
}

void writeCollection(const QString& file, int entries) {
    sqlite3* db = nullptr;
    const QByteArray path = file.toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        fail(QStringLiteral("cannot create %1").arg(file));
    // Only the writing is sped up; the file itself is an ordinary collection.
    check(sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr), db, "PRAGMA");
    check(sqlite3_exec(db,
                       "CREATE TABLE colours (id INTEGER PRIMARY KEY, kategorie TEXT, palette TEXT, name TEXT, "
                       "farbe1 TEXT, farbe2 TEXT, farbe3 TEXT)",
                       nullptr, nullptr, nullptr),
          db, "CREATE TABLE");
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "BEGIN");
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO colours(kategorie, palette, name, farbe1, farbe2, farbe3) "
                             "VALUES(?, ?, ?, ?, ?, ?)",
                             -1, &insert, nullptr),
          db, "prepare INSERT");
    for (int index = 0; index < entries; ++index) {
        const GeneratedEntry entry = entryAt(index);
        for (int column = 0; column < 6; ++column) {
            const std::string& text = entry[std::size_t(column)];
            sqlite3_bind_text(insert, column + 1, text.data(), int(text.size()), SQLITE_STATIC);
        }
        check(sqlite3_step(insert), db, "INSERT");
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "COMMIT");
    sqlite3_close(db);
}

} // namespace bench
