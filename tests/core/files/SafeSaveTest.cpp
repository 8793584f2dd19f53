#include "FileFixtures.h"

#include "app/Settings.h"
#include "export/HtmlPage.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/WriteFailures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

struct DeviceWriter {
    const char* what;
    std::function<bool(QIODevice&)> write;
};

// Every core writer that a save hands its device to, each with something real to write (the
// export pictures' one is in the window tests).
std::vector<DeviceWriter> deviceWriters() {
    CrosswordDocument solved = sampleCrossword();
    solved.SolvedFlags.set(1, 0, 1);
    solved.SolvedFlags.set(3, 0, 1);
    solved.CrosswordPath = QStringLiteral("/home/u/Дом.cfw");
    Settings settings;
    settings.LetterFontName = "Times New Roman";
    const QByteArray page =
        buildHtmlPage(sampleCrossword(), PageCaptions{"Kross", "Across", "Down", "by"},
                      QStringLiteral("x.bmp"), QStringLiteral("x (answers).bmp"));
    return {
        {"crossword", [](QIODevice& d) { return WriteCrosswordFile(d, sampleCrossword()); }},
        {"crossword without answers",
         [](QIODevice& d) { return WriteCrosswordFile(d, sampleCrossword(false)); }},
        {"answers", [solved](QIODevice& d) { return WriteAnswersFile(d, solved); }},
        {"settings", [settings](QIODevice& d) { return writeSettings(d, settings); }},
        {"page", [page](QIODevice& d) { return writeHtmlPage(d, page); }},
    };
}

TEST(SafeSave, EveryDeviceWriterReportsAFailureAtAnyPoint) {
    for (const DeviceWriter& w : deviceWriters()) {
        SCOPED_TRACE(w.what);
        expectEveryWriteFailureReported(w.write);
    }
}

// A folder holding one previous file, for saves that must leave it alone.
class SafeSaveFolder : public testing::Test {
protected:
    QTemporaryDir root;
    QString folder;
    QString path;
    const QByteArray previous = "previous\r\ncontent\r\n";

    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        folder = root.filePath(QStringLiteral("folder"));
        path = folder + QStringLiteral("/keep.cfw");
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(previous), previous.size());
    }

    // The previous file as it was, and nothing else in its folder.
    void expectPreviousFileAlone(const QString& in) const {
        QFile f(in + QStringLiteral("/keep.cfw"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), previous);
        EXPECT_EQ(QDir(in).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{QStringLiteral("keep.cfw")});
    }
};

TEST_F(SafeSaveFolder, FailuresKeepThePreviousFileAndLeaveNothingBehind) {
    const QString movedFolder = root.filePath(QStringLiteral("moved"));
    const QByteArray large(200'000, 'x');
    struct Case {
        const char* what;
        std::function<bool(QIODevice&)> write;
        FileStatus status;
        QString previousIn; // where the previous file is afterwards
        rlim_t sizeLimit = 0;
    };
    const Case cases[] = {
        {"writer fails part way",
         [](QIODevice& d) {
             d.write("partial");
             return false;
         },
         FileStatus::WriteFailed, folder},
        {"file-size limit", [&large](QIODevice& d) { return d.write(large) == large.size(); },
         FileStatus::WriteFailed, folder, 64 * 1024},
        // Each write only fills the buffer: the failure shows when it is emptied.
        {"file-size limit with small writes",
         [](QIODevice& d) {
             bool ok = true;
             for (int i = 0; i < 200; ++i)
                 ok = d.write("0123456789\r\n") == 12 && ok;
             return ok;
         },
         FileStatus::WriteFailed, folder, 1024},
        // The folder goes away while the file is written: the new file has nowhere to go.
        {"folder moved away before the commit",
         [&](QIODevice& d) {
             d.write("new");
             return QDir().rename(folder, movedFolder);
         },
         FileStatus::WriteFailed, movedFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FileStatus status = FileStatus::Ok;
        if (c.sizeLimit) {
            const FileSizeLimit limit(c.sizeLimit);
            ASSERT_TRUE(limit.active());
            status = saveFileSafely(path, c.write);
        } else {
            status = saveFileSafely(path, c.write);
        }
        EXPECT_EQ(status, c.status);
        expectPreviousFileAlone(c.previousIn);
        if (c.previousIn != folder) {
            EXPECT_FALSE(QFileInfo::exists(folder));
            ASSERT_TRUE(QDir().rename(c.previousIn, folder));
        }
    }
}

TEST_F(SafeSaveFolder, FolderRemovedBeforeTheCommitIsNotReportedAsSaved) {
    const FileStatus status = saveFileSafely(path, [this](QIODevice& d) {
        d.write("new");
        return QDir(folder).removeRecursively();
    });
    EXPECT_EQ(status, FileStatus::WriteFailed);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// Root may write anywhere, so the child that saves drops to the unprivileged user first.
[[noreturn]] void saveAsUnprivilegedUser(const QString& path) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        _exit(100);
    const FileStatus status =
        saveFileSafely(path, [](QIODevice& d) { return d.write("new") == 3; });
    _exit(static_cast<int>(status));
}

TEST_F(SafeSaveFolder, ReadOnlyFolderIsAccessDenied) {
    // Others may reach the folder and write the file itself, but not add a file beside it.
    ASSERT_EQ(chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    // The default style forks, so the child saves into this very folder.
    EXPECT_EXIT(saveAsUnprivilegedUser(path),
                testing::ExitedWithCode(static_cast<int>(FileStatus::AccessDenied)), "");
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    expectPreviousFileAlone(folder);
}

// What lies at path, without following a link.
mode_t typeAt(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

TEST_F(SafeSaveFolder, TargetsThatAreNoRegularFileAreLeftAlone) {
    const auto write = [](QIODevice& d) { return d.write("new") == 3; };
    const QString pipe = folder + QStringLiteral("/pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(pipe, folder + QStringLiteral("/to-pipe")));
    ASSERT_TRUE(QFile::link(QStringLiteral("circle"), folder + QStringLiteral("/circle")));
    struct Case {
        QString name;
        mode_t type; // of what the name leads to, afterwards as before
    };
    std::vector<Case> cases = {{QStringLiteral("pipe"), S_IFIFO},
                               {QStringLiteral("to-pipe"), S_IFIFO},
                               {QStringLiteral("circle"), S_IFLNK}};
    // A copy of the null device, as settings files are linked to it: only root may make one.
    const QString null = folder + QStringLiteral("/null");
    if (mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        ASSERT_TRUE(QFile::link(null, folder + QStringLiteral("/to-null")));
        cases.push_back({QStringLiteral("null"), S_IFCHR});
        cases.push_back({QStringLiteral("to-null"), S_IFCHR});
    }
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::System |
                                                      QDir::Hidden | QDir::NoDotAndDotDot);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(saveFileSafely(folder + QLatin1Char('/') + c.name, write),
                  FileStatus::AccessDenied);
        const QString resolved =
            QFileInfo(folder + QLatin1Char('/') + c.name).isSymLink() && c.type != S_IFLNK
                ? QFileInfo(folder + QLatin1Char('/') + c.name).symLinkTarget()
                : folder + QLatin1Char('/') + c.name;
        EXPECT_EQ(typeAt(resolved), c.type);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                     QDir::NoDotAndDotDot),
              before);
}

TEST_F(SafeSaveFolder, ALinkedFileIsReplacedBehindItsLinkWithItsPermissions) {
    const QString link = root.filePath(QStringLiteral("link.cfw"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_EQ(saveFileSafely(link, [](QIODevice& d) { return d.write("new") == 3; }),
              FileStatus::Ok);
    EXPECT_EQ(typeAt(link), S_IFLNK);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "new");
    EXPECT_EQ(f.permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser | QFile::ReadGroup);
}

// Saving as root over another user's file (a link to it, say) leaves it theirs.
TEST_F(SafeSaveFolder, AReplacedFileKeepsItsOwnerWhereTheSaverMayKeepIt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(::chown(native.constData(), 65534, 65534), 0);
    const QString link = root.filePath(QStringLiteral("theirs.cfw"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_EQ(saveFileSafely(link, [](QIODevice& d) { return d.write("new") == 3; }),
              FileStatus::Ok);
    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

// Several files staged together replace theirs only when every one is written: a failure of
// the last leaves the first as it was and nothing of the batch behind.
TEST_F(SafeSaveFolder, StagedFilesReplaceTheirsAllOrNone) {
    const QString first = folder + QStringLiteral("/first.bmp");
    {
        QFile f(first);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("mine");
    }
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    {
        StagedSave save;
        ASSERT_EQ(save.stage(first, [](QIODevice& d) { return d.write("new") == 3; }),
                  FileStatus::Ok);
        EXPECT_EQ(save.stage(path, [](QIODevice&) { return false; }), FileStatus::WriteFailed);
    }
    EXPECT_EQ(fileBytes(first), "mine");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);

    StagedSave save;
    ASSERT_EQ(save.stage(first, [](QIODevice& d) { return d.write("new") == 3; }), FileStatus::Ok);
    EXPECT_EQ(fileBytes(first), "mine") << "nothing replaced before the commit";
    ASSERT_EQ(save.commit(), FileStatus::Ok);
    EXPECT_EQ(fileBytes(first), "new");
}

// Where the file system has no unnamed temporary files, a save that is killed leaves its named
// one behind; the next save of the same target removes it, and nothing that is not its own.
class SavesWithNamedTemporaries : public SafeSaveFolder {
protected:
    void SetUp() override {
        SafeSaveFolder::SetUp();
        allowUnnamedTemporaryFiles(false);
    }
    void TearDown() override { allowUnnamedTemporaryFiles(true); }

    QStringList names() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

    void make(const QString& name, const QDateTime& modified) const {
        QFile f(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.write("x") == 1 && f.flush());
        ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
    }
};

TEST_F(SavesWithNamedTemporaries, AKilledSaveLeavesAFileThatTheNextSaveRemoves) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        saveFileSafely(path, [&ready](QIODevice& d) {
            d.write(QByteArray(100'000, 'k'));
            [[maybe_unused]] const auto n = ::write(ready[1], "r", 1);
            pause(); // killed here, in the middle of the save
            return true;
        });
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const QStringList left = names();
    ASSERT_EQ(left.size(), 2) << left.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(left.contains(QStringLiteral("keep.cfw")));
    // Times are compared to the millisecond: the next save is a later one.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));

    EXPECT_EQ(saveFileSafely(path, [](QIODevice& d) { return d.write("new") == 3; }),
              FileStatus::Ok);
    EXPECT_EQ(names().join(QLatin1Char(' ')).toStdString(), "keep.cfw");
}

TEST_F(SavesWithNamedTemporaries, OnlyStaleTemporariesOfTheSameTargetAreRemoved) {
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QStringList kept = {
        QStringLiteral("keep.cfw.backup"),                  // the user's
        QStringLiteral("keep.cfw~clueforge-short.tmp"),     // not a name of ours
        QStringLiteral("keep.cfw~clueforge-ab#d1234.tmp"),  // not a name of ours
        QStringLiteral("other.cfw~clueforge-AbCd1234.tmp"), // another target's
        QStringLiteral("keep.cfw~clueforge-Locked12.tmp"),  // a save still running
        QStringLiteral("keep.cfw~clueforge-Future12.tmp"),  // newer than this save
    };
    for (const QString& name : kept)
        make(name, name.contains(QStringLiteral("Future")) ? old.addSecs(7200) : old);
    make(QStringLiteral("keep.cfw~clueforge-AbCd1234.tmp"), old);
    make(QStringLiteral("keep.cfw~clueforge-zz990011.tmp"), old);
    QFile locked(folder + QStringLiteral("/keep.cfw~clueforge-Locked12.tmp"));
    ASSERT_TRUE(locked.open(QIODevice::ReadOnly));
    ASSERT_EQ(flock(locked.handle(), LOCK_EX | LOCK_NB), 0);

    EXPECT_EQ(saveFileSafely(path, [](QIODevice& d) { return d.write("new") == 3; }),
              FileStatus::Ok);
    QStringList expected = kept;
    expected << QStringLiteral("keep.cfw");
    expected.sort();
    QStringList left = names();
    left.sort();
    EXPECT_EQ(left.join(QLatin1Char(' ')).toStdString(),
              expected.join(QLatin1Char(' ')).toStdString());
}

} // namespace
