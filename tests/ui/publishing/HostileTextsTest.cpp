// Texts a crossword file may hold (markup, XML's own delimiters, control bytes) in the SVG
// picture and the PDF's metadata: still well-formed XML, the texts as text.
#include "publishing/CrosswordPages.h"

#include "grid/FieldGeometry.h"
#include "grid/PictureBox.h"

#include "support/FilledCrossword.h"
#include "support/PdfFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString kHostile = QStringLiteral(u"<script>alert(1)</script> ]]> & \"q\" 'a' \x01\x1f\x7f");
// What readers must find: the same, its control characters as blanks.
const QString kShown = QStringLiteral(u"<script>alert(1)</script> ]]> & \"q\" 'a'    ");

// The text of every element named `name`, or nothing when the XML is not well formed; fails on
// any element named script.
std::optional<QStringList> elementTexts(const QByteArray& xml, const QString& name) {
    QXmlStreamReader reader(xml);
    QStringList texts;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        EXPECT_NE(reader.name(), QStringLiteral("script"));
        if (reader.name() == name)
            texts << reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    if (reader.hasError()) {
        ADD_FAILURE() << reader.errorString().toStdString();
        return std::nullopt;
    }
    return texts;
}

TEST(HostileTexts, StayTextInTheSvgAndThePdfMetadata) {
    QTemporaryDir out;
    FilledCrossword filled;
    filled.rows = {"AB", "C#"};
    const CrosswordDocument doc = filled.build();
    PictureBox digits;
    const CellPainter painter(FieldGeometry(20, doc.GridWidth, doc.GridHeight, 0), digits, 1);
    publish::PrintJob job;
    job.texts = {kHostile, kHostile, QStringLiteral("Across"), QStringLiteral("Down"),
                 QStringLiteral("Answers")};

    const QString svg = out.filePath(QStringLiteral("grid.svg"));
    ASSERT_EQ(publish::writeGridSvg(svg, doc, painter, job.look, false, kHostile), FileStatus::Ok);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(elementTexts(svgFile.readAll(), QStringLiteral("title")), QStringList{kShown});

    const QString pdf = out.filePath(QStringLiteral("c.pdf"));
    ASSERT_EQ(publish::writeCrosswordPdf(pdf, doc, painter, job), FileStatus::Ok);
    const QString meta = pdffile::run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf});
    ASSERT_FALSE(meta.isEmpty());
    EXPECT_EQ(elementTexts(meta.toUtf8(), QStringLiteral("li")), (QStringList{kShown, kShown}));
}

} // namespace
