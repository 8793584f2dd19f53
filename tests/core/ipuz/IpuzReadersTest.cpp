// Our ipuz files read by others: a check of the specification's required fields in Python, and
// an ipuz reader of another project, which must find the same grid, numbers, answers and clues.
#include "ipuz/IpuzFile.h"

#include "text/CodePage.h"

#include "OurCrosswords.h"
#include "support/PrintQt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kTools = QStringLiteral(CLUEFORGE_RESOURCES "/../tests/tools");

struct Ran {
    int exitCode = -1;
    QByteArray out, err;
};

Ran run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    Ran r;
    if (!process.waitForFinished(60000))
        return r;
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

// What the other reader should find: rows of "#", or the letter ("." for none) and the number.
QJsonObject expected(const CrosswordDocument& doc) {
    const int w = doc.GridWidth, h = doc.GridHeight;
    const bool answers = doc.NoAnswers == 0;
    std::vector<QString> cells(static_cast<std::size_t>(w * h), QStringLiteral("#"));
    QJsonArray lists[2];
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d < 2; ++d) {
            const int length = doc.SlotTable.at(n, 2, d);
            if (length < 1)
                continue;
            const QString answer =
                answers ? cp1251::toUnicode(doc.SlotTexts.at(n, 1, d)) : QString();
            for (int k = 0; k < length; ++k) {
                const int x = doc.SlotTable.at(n, 0, d) + (d == 0 ? k : 0);
                const int y = doc.SlotTable.at(n, 1, d) + (d == 1 ? k : 0);
                QString& c = cells[static_cast<std::size_t>(y * w + x)];
                if (c == QLatin1String("#"))
                    c = k < answer.size() ? QString(answer.at(k)) : QStringLiteral(".");
                // A cell that starts words both ways carries its number once.
                if (k == 0 && !c.endsWith(QString::number(n)))
                    c += QString::number(n);
            }
            // The other reader leaves the texts as the file has them, escaped.
            QString clue = answers ? cp1251::toUnicode(doc.SlotTexts.at(n, 0, d)) : QString();
            clue.replace(QLatin1Char('&'), QLatin1String("&amp;"))
                .replace(QLatin1Char('<'), QLatin1String("&lt;"))
                .replace(QLatin1Char('>'), QLatin1String("&gt;"));
            lists[d].append(QJsonArray{n, clue});
        }
    QJsonArray rows;
    for (int y = 0; y < h; ++y) {
        QStringList row;
        for (int x = 0; x < w; ++x)
            row << cells[static_cast<std::size_t>(y * w + x)];
        rows.append(row.join(QLatin1Char(' ')));
    }
    QJsonObject o{{QStringLiteral("title"), cp1251::toUnicode(doc.CrosswordTitle)},
                  {QStringLiteral("width"), w},
                  {QStringLiteral("height"), h},
                  {QStringLiteral("rows"), rows},
                  {QStringLiteral("across"), lists[0]},
                  {QStringLiteral("down"), lists[1]}};
    if (!doc.CrosswordAuthor.isEmpty())
        o.insert(QStringLiteral("author"), cp1251::toUnicode(doc.CrosswordAuthor));
    return o;
}

class IpuzReaders : public testing::Test {
protected:
    QTemporaryDir out;

    QString written(const std::string& name, const CrosswordDocument& doc) {
        const QString path = out.filePath(QString::fromStdString(name) + QStringLiteral(".ipuz"));
        EXPECT_EQ(ipuz::writeIpuzFile(path, doc), FileStatus::Ok);
        return path;
    }
};

TEST_F(IpuzReaders, TheSpecificationsRequiredFieldsCheckOut) {
    for (const auto& [name, doc] : ourCrosswords()) {
        const Ran r = run(QStringLiteral("python3"),
                          {kTools + QStringLiteral("/check_ipuz.py"), written(name, doc)});
        EXPECT_EQ(r.exitCode, 0) << name << ": " << r.out.toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out.trimmed(), "ok") << name;
    }
}

TEST_F(IpuzReaders, AnotherReaderFindsTheSameCrossword) {
    if (qEnvironmentVariableIsSet("CLUEFORGE_NO_NODE"))
        GTEST_SKIP() << "CLUEFORGE_NO_NODE is set";
    const QString reader = kTools + QStringLiteral("/ipuz-reader/read.mjs");
    ASSERT_TRUE(QFile::exists(kTools + QStringLiteral("/ipuz-reader/node_modules")))
        << "the reader is not installed: scripts/deps.sh installs it";
    for (const auto& [name, doc] : ourCrosswords()) {
        const Ran r = run(QStringLiteral("node"), {reader, written(name, doc)});
        ASSERT_EQ(r.exitCode, 0) << name << ": " << r.err.toStdString();
        const QJsonObject found = QJsonDocument::fromJson(r.out).object();
        EXPECT_EQ(found, expected(doc))
            << name << "\nfound:    " << r.out.toStdString() << "\nexpected: "
            << QJsonDocument(expected(doc)).toJson(QJsonDocument::Compact).toStdString();
    }
}

} // namespace
