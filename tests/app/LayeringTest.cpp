// Who may touch what: the rules of the source layout, checked over the sources themselves.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Source {
    QString path; // relative to the source folder
    QString text;
};

QList<Source> sourcesUnder(const QString& folder) {
    const QString root = QStringLiteral(CLUEFORGE_SOURCE_DIR "/");
    QList<Source> found;
    QDirIterator it(root + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
        found.append({f.fileName().mid(root.size()), QString::fromUtf8(f.readAll())});
    }
    EXPECT_FALSE(found.isEmpty()) << folder.toStdString();
    return found;
}

// "path:line: text" of every line of the sources that matches.
std::string linesMatching(const QList<Source>& sources, const QRegularExpression& re,
                          const std::function<bool(const Source&)>& applies = {}) {
    QStringList hits;
    for (const Source& s : sources) {
        if (applies && !applies(s))
            continue;
        const QStringList lines = s.text.split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            if (re.match(lines[i]).hasMatch())
                hits << QStringLiteral("%1:%2: %3").arg(s.path).arg(i + 1).arg(lines[i].trimmed());
    }
    return hits.join(u'\n').toStdString();
}

TEST(Layering, TheWindowOnlyReadsTheCrossword) {
    // Every change goes through the session: no mutable document in the window code.
    const QList<Source> ui = sourcesUnder(QStringLiteral("src/ui"));
    EXPECT_EQ(linesMatching(ui, QRegularExpression(
                                    QStringLiteral(R"((?<!const )\bCrosswordDocument\s*[&*])"))),
              "");
    EXPECT_EQ(linesMatching(ui, QRegularExpression(QStringLiteral(R"(\bdocumentForSetup\b)"))), "");
}

TEST(Layering, ModesAreNamedNotNumbered) {
    const QList<Source> ui = sourcesUnder(QStringLiteral("src/ui"));
    EXPECT_EQ(
        linesMatching(
            ui, QRegularExpression(QStringLiteral(
                    R"(\b[Mm]ode\s*(==|!=|<=|>=|<|>)\s*\d|\bmodeValue\(|static_cast<EditMode>)"))),
        "");
}

TEST(Layering, DialogsDoNotKnowTheWindow) {
    // A dialog gets the run state and the platform; the window opens it and acts on its result.
    const QList<Source> ui = sourcesUnder(QStringLiteral("src/ui"));
    const QRegularExpression dialogFile(QStringLiteral(R"((Dialog|Window)\.(h|cpp)$)"));
    const auto isDialog = [&](const Source& s) {
        const QString name = s.path.section(u'/', -1);
        return dialogFile.match(name).hasMatch() && !name.startsWith(QLatin1String("MainWindow"));
    };
    // Every dialog and tool window, header and source, so that the rule checks something.
    EXPECT_EQ(std::count_if(ui.begin(), ui.end(), isDialog), 20);
    EXPECT_EQ(linesMatching(ui, QRegularExpression(QStringLiteral(R"(\bMainWindow\b)")), isDialog),
              "");
}

TEST(Layering, CommandClassesDoNotKnowTheWindow) {
    // A command class gets its context; the window wires its actions and signals.
    const QList<Source> commands = sourcesUnder(QStringLiteral("src/ui/commands"));
    // The context and the command classes of every area so far, headers and sources.
    EXPECT_GE(commands.size(), 12);
    EXPECT_EQ(linesMatching(commands, QRegularExpression(QStringLiteral(
                                          R"(#\s*include\s*["<][^">]*MainWindow\b)"))),
              "");
    EXPECT_EQ(linesMatching(commands, QRegularExpression(QStringLiteral(R"(\bMainWindow\b)"))), "");
}

TEST(Layering, TheMainWindowHandsOutNoWidgets) {
    // Its widgets and actions are its own: others reach them through their object names, the
    // command classes or the session, so that the window can change how it lays them out.
    QFile f(QStringLiteral(CLUEFORGE_SOURCE_DIR "/src/ui/app/MainWindow.h"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QRegularExpression section(QStringLiteral(R"(^(public|protected|private):)"));
    // A pointer, or a guarded pointer, that a member holds or a function returns.
    const QRegularExpression handedOut(QStringLiteral(R"(^[^(/]*(\*|QPointer<))"));
    QStringList hits;
    bool isPublic = false;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (const auto m = section.match(lines[i]); m.hasMatch())
            isPublic = m.captured(1) == QLatin1String("public");
        else if (isPublic && handedOut.match(lines[i]).hasMatch())
            hits << QStringLiteral("%1: %2").arg(i + 1).arg(lines[i].trimmed());
    }
    EXPECT_EQ(hits.join(u'\n').toStdString(), "");
}

TEST(Layering, NothingReadsStateFromColours) {
    // What a cell shows is decided from the session and turned into colours by the cell
    // painter alone: no colour is compared to find out what something is, and no pixel is read
    // back except by the picture itself.
    const QList<Source> ui = sourcesUnder(QStringLiteral("src/ui"));
    const QString colour =
        QStringLiteral(R"((slotcolor::\w+|\bk(White|Yellow|Dead\w*|Border|DrawnBlack|Cursor)\b|)"
                       R"(\bQt::(white|black|yellow|red|green|blue|cyan|magenta|gray|darkGray|)"
                       R"(lightGray|transparent|color0|color1)\b|\bQColor\s*[({]|\bqRgba?\())");
    EXPECT_EQ(linesMatching(ui, QRegularExpression(QStringLiteral(R"([=!]=\s*)") + colour)), "");
    EXPECT_EQ(linesMatching(ui, QRegularExpression(colour + QStringLiteral(R"([^;]*?\s[=!]=)"))),
              "");
    const auto outsideThePicture = [](const Source& s) {
        return !s.path.startsWith(QLatin1String("src/ui/grid/PictureBox."));
    };
    EXPECT_EQ(linesMatching(ui, QRegularExpression(QStringLiteral(R"(\bpixel(Color)?\s*\()")),
                            outsideThePicture),
              "");
    // The colours themselves belong to the painter and the digit strips it draws from.
    const auto besideThePainter = [](const Source& s) {
        return !s.path.startsWith(QLatin1String("src/ui/grid/CellPainter.")) &&
               !s.path.startsWith(QLatin1String("src/ui/grid/DigitStrips.")) &&
               !s.path.startsWith(QLatin1String("src/ui/grid/SlotColors."));
    };
    EXPECT_EQ(linesMatching(ui,
                            QRegularExpression(QStringLiteral(R"(\bslotcolor::|SlotColors\.h)")),
                            besideThePainter),
              "");
}

} // namespace
