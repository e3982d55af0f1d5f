#include "info/help_url.h"

#include "support/working_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct HelpUrlCase {
    const char* directory;
    char separator;
    const char* url;
};

class HelpUrlTable : public ::testing::TestWithParam<HelpUrlCase> {};

TEST_P(HelpUrlTable, AddsOneSeparatorAndTheHelpPath) {
    const HelpUrlCase& c = GetParam();
    EXPECT_EQ(info::helpUrl(QString::fromLatin1(c.directory), QChar::fromLatin1(c.separator)),
              QString::fromLatin1(c.url))
        << c.directory;
}

INSTANTIATE_TEST_SUITE_P(
    Directories, HelpUrlTable,
    ::testing::Values(HelpUrlCase{"C:\\Daten", '\\', "file://C:\\Daten\\help\\index.html"},
                      HelpUrlCase{"C:\\", '\\', "file://C:\\help\\index.html"},
                      HelpUrlCase{"/home/anna/farben", '/', "file:///home/anna/farben/help/index.html"},
                      HelpUrlCase{"/", '/', "file:///help/index.html"},
                      // An unreadable working directory comes as the empty text: the bare help path remains.
                      HelpUrlCase{"", '\\', "file://help\\index.html"},
                      HelpUrlCase{"", '/', "file://help/index.html"}));

TEST(HelpUrl, ForTheWorkingDirectory) {
    const testing_support::WorkingFolder folder;
    // The folder's own path may run through a symbolic link (/tmp); the process reports the resolved one.
    const QString resolved = QDir(folder.path()).canonicalPath();
    ASSERT_EQ(QDir::currentPath(), resolved);
    EXPECT_EQ(info::helpUrlForWorkingDirectory(),
              QStringLiteral("file://") + resolved + QStringLiteral("/help/index.html"));
}

} // namespace
