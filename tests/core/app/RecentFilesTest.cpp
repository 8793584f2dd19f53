#include "app/RecentFiles.h"
#include "support/ProgramFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString p(int i) {
    return QStringLiteral("/home/u/crossword %1.cfw").arg(i);
}

RecentFiles readBytes(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    RecentFiles r;
    r.read(buffer);
    return r;
}

} // namespace

TEST(RecentFiles, NewestFirstRepeatsMovedUpAndTheOldestDroppedBeyondEight) {
    RecentFiles r;
    for (int i = 1; i <= 3; ++i)
        r.add(p(i));
    EXPECT_EQ(r.paths(), (QStringList{p(3), p(2), p(1)}));
    // The same file spelt with a redundant part is the same entry.
    r.add(QStringLiteral("/home/u/./crossword 1.cfw"));
    EXPECT_EQ(r.paths(), (QStringList{p(1), p(3), p(2)}));
    for (int i = 4; i <= 10; ++i)
        r.add(p(i));
    EXPECT_EQ(r.paths(), (QStringList{p(10), p(9), p(8), p(7), p(6), p(5), p(4), p(1)}));
    EXPECT_TRUE(r.remove(p(7)));
    EXPECT_FALSE(r.remove(p(7)));
    EXPECT_EQ(r.paths().size(), 7);
}

TEST(RecentFiles, SurvivesTheFileWithItsUnicodeNames) {
    TempProgramFolder folder;
    const QString sub = folder.path() + QStringLiteral("per-user/");
    RecentFiles r;
    r.add(QStringLiteral("/home/u/Ответы за май.otv"));
    r.add(QStringLiteral("/home/u/R&D, \"big\".ipuz"));
    ASSERT_EQ(r.writeTo(sub), FileStatus::Ok); // the folder is made
    EXPECT_EQ(folder.read(QStringLiteral("per-user/Clueforge.recent")),
              QByteArray("/home/u/R&D, \"big\".ipuz\n") +
                  QStringLiteral("/home/u/Ответы за май.otv\n").toUtf8());
    RecentFiles back;
    back.readFrom(sub);
    EXPECT_EQ(back.paths(), r.paths());
    back.readFrom(folder.path()); // no file: nothing recent
    EXPECT_TRUE(back.paths().isEmpty());
}

TEST(RecentFiles, DamagedFilesGiveOnlyUsablePaths) {
    const struct {
        const char* what;
        QByteArray bytes;
        QStringList expected;
    } cases[] = {
        {"CR LF, blank and relative lines",
         "\r\n/a/x.cfw\r\nrelative.cfw\r\n\r\n/a/y.otv",
         {u"/a/x.cfw"_s, u"/a/y.otv"_s}},
        {"repeats", "/a/x.cfw\n/a/x.cfw\n/a/./x.cfw\n", {u"/a/x.cfw"_s}},
        {"bad UTF-8 and control bytes",
         QByteArray("/a/\xff.cfw\n/a/b\x01.cfw\n/a/\0z.cfw\n/a/ok.cfw\n", 39),
         {u"/a/ok.cfw"_s}},
        {"binary noise", QByteArray(5000, '\x9c'), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readBytes(c.bytes).paths(), c.expected) << c.what;

    QByteArray many;
    for (int i = 1; i <= 20; ++i)
        many += p(i).toUtf8() + '\n';
    EXPECT_EQ(readBytes(many).paths().size(), RecentFiles::kMaxEntries);
    EXPECT_EQ(readBytes(many).paths().front(), p(1));

    // A huge file: read up to the limit, the line the limit cuts left out.
    const QByteArray longLine = '/' + QByteArray(RecentFiles::kMaxFileBytes, 'a') + '\n';
    EXPECT_EQ(readBytes("/first.cfw\n" + longLine + "/after.cfw\n").paths(),
              QStringList{u"/first.cfw"_s});
}
