#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kDesktop = QStringLiteral(CLUEFORGE_SOURCE_DIR "/resources/desktop/");
const QString kId = QStringLiteral("org.clueforge.Clueforge");

ProgramRun tool(const QString& program, const QStringList& arguments) {
    QTemporaryDir home;
    return runProgram(program, arguments, headlessEnvironment(home.path(), false));
}

QString entryValue(const QString& key) {
    QFile file(kDesktop + kId + QStringLiteral(".desktop"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(key) +
                                      QStringLiteral("=(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(file.readAll())).captured(1);
}

} // namespace

TEST(DesktopFiles, TheDesktopEntryAndTheMetadataPassTheirValidators) {
    const ProgramRun entry = tool(QStringLiteral("desktop-file-validate"),
                                  {kDesktop + kId + QStringLiteral(".desktop")});
    EXPECT_EQ(entry.exitCode, 0) << "desktop-file-utils installed? " << entry.err.constData();
    EXPECT_EQ(entry.out + entry.err, QByteArray()); // not even a hint
    const ProgramRun metainfo = tool(QStringLiteral("appstreamcli"),
                                     {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                      kDesktop + kId + QStringLiteral(".metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << "appstream installed? " << metainfo.out.constData();
    EXPECT_FALSE(metainfo.out.contains("W:")) << metainfo.out.constData();
}

TEST(DesktopFiles, TheFileTypesAreKnownByTheirNamesAndOpenedByTheEntry) {
    QTemporaryDir dir;
    const QString mime = dir.filePath(QStringLiteral("mime"));
    QDir().mkpath(mime + QStringLiteral("/packages"));
    ASSERT_TRUE(QFile::copy(kDesktop + kId + QStringLiteral(".xml"),
                            mime + QStringLiteral("/packages/") + kId + QStringLiteral(".xml")));
    const ProgramRun update = tool(QStringLiteral("update-mime-database"), {mime});
    ASSERT_EQ(update.exitCode, 0) << update.err.constData();
    QFile globs(mime + QStringLiteral("/globs2"));
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    const QByteArray known = globs.readAll();
    EXPECT_TRUE(known.contains(":application/x-clueforge-crossword:*.cfw\n")) << known.constData();
    EXPECT_TRUE(known.contains(":application/x-clueforge-answers:*.otv\n")) << known.constData();

    EXPECT_EQ(entryValue(QStringLiteral("MimeType")),
              QStringLiteral("application/x-clueforge-crossword;application/x-clueforge-answers;"));
    EXPECT_EQ(entryValue(QStringLiteral("Exec")), QStringLiteral("clueforge %f"));
    EXPECT_EQ(entryValue(QStringLiteral("Icon")), kId);
}

TEST(DesktopFiles, EachIconPictureHasTheSizeItIsInstalledAs) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(kDesktop + QStringLiteral("icons/%1-%2.png").arg(kId).arg(size));
        EXPECT_EQ(reader.size(), QSize(size, size)) << size;
    }
    QFile svg(kDesktop + QStringLiteral("icons/") + kId + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("viewBox=\"0 0 256 256\""));
}
