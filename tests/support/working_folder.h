#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <vector>

// A temporary working folder the test changes into, and direct access to a collection file in it through a
// connection of its own, independent of the program's database layer.
namespace testing_support {

// One stored entry; std::nullopt stands for NULL.
struct Entry {
    std::optional<QString> category, palette, name, colour1, colour2, colour3;
};

Entry entry(const QString& category, const QString& palette, const QString& name, const QString& colour1,
            const QString& colour2, const QString& colour3);

class WorkingFolder {
public:
    WorkingFolder();  // makes the folder and changes into it
    ~WorkingFolder(); // changes back

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Creates colours.tsdb with the usual table (integer key, six text columns) holding the given entries.
    void createCollection(const std::vector<Entry>& entries) const;

    // Runs SQL on colours.tsdb through a separate connection; fails the test on an error.
    void execute(const QString& sql) const;

    // Every stored row, six texts each in column order, NULL shown as "<NULL>", in rowid order.
    std::vector<QStringList> storedRows() const;

    // Copies the program's icon set into gfx/ and the help into help/.
    void copyAssets() const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The repository's assets folder (from TESSORA_SOURCE_DIR, set by CTest).
QString assetsPath();

} // namespace testing_support
