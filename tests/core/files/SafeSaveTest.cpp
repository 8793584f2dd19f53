#include "FileFixtures.h"

#include "app/Settings.h"
#include "export/HtmlPage.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "platform/PictureBox.h"
#include "support/FailingDevice.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

struct DeviceWriter {
    const char* what;
    std::function<bool(QIODevice&)> write;
};

// Every writer that a save hands its device to, each with something real to write.
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
    auto picture = std::make_shared<PictureBox>();
    picture->setBackColor(Qt::white);
    picture->setPictureSize(61, 41);
    picture->clear();
    picture->fillBox(10, 10, 30, 20, Qt::yellow);
    return {
        {"crossword", [](QIODevice& d) { return WriteCrosswordFile(d, sampleCrossword()); }},
        {"crossword without answers",
         [](QIODevice& d) { return WriteCrosswordFile(d, sampleCrossword(false)); }},
        {"answers", [solved](QIODevice& d) { return WriteAnswersFile(d, solved); }},
        {"settings", [settings](QIODevice& d) { return writeSettings(d, settings); }},
        {"page", [page](QIODevice& d) { return writeHtmlPage(d, page); }},
        {"picture", [picture](QIODevice& d) { return picture->saveBmp(d); }},
    };
}

TEST(SafeSave, EveryDeviceWriterReportsAFailureAtAnyPoint) {
    for (const DeviceWriter& w : deviceWriters()) {
        SCOPED_TRACE(w.what);
        const qint64 full = bytesWrittenBy(w.write).size();
        ASSERT_GT(full, 2);
        for (const qint64 room : {qint64(0), qint64(1), full / 2, full - 1}) {
            FailingDevice device(room);
            EXPECT_FALSE(w.write(device)) << "room " << room;
            EXPECT_EQ(device.written().size(), room);
        }
        QFile devFull(QStringLiteral("/dev/full"));
        ASSERT_TRUE(devFull.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        EXPECT_FALSE(w.write(devFull)) << "/dev/full";
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

} // namespace
