#include "print/PdfAuthor.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// A small PDF laid out as Qt's writer lays it out: the information dictionary first, a classic
// cross-reference table, offsets that lead to each object.
QByteArray smallPdf(const QByteArray& info = "/Title (T)\n") {
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    const QByteArrayList objects{"<<\n" + info + ">>", "<< /Type /Catalog /Pages 3 0 R >>",
                                 "<< /Type /Pages /Kids [] /Count 0 >>"};
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 4\n0000000000 65535 f \n";
    for (const qsizetype o : offsets)
        pdf += QByteArray::number(o).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size 4\n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// Every object the table names starts where it says, and startxref leads to the table.
void expectConsistent(const QByteArray& pdf) {
    const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
    const qsizetype start = pdf.lastIndexOf("startxref\n") + 10;
    EXPECT_EQ(pdf.mid(start, pdf.indexOf('\n', start) - start).trimmed().toLongLong(), xref);
    for (int i = 1; i <= 3; ++i) {
        const qlonglong offset = pdf.mid(xref + 9 + 20 * i, 10).toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(i) + " 0 obj")) << i;
    }
}

TEST(PdfAuthor, GoesIntoTheInformationWithTheTableMovedAlong) {
    const auto out = publish::withPdfAuthor(smallPdf(), QStringLiteral(u"Анна"));
    ASSERT_TRUE(out.has_value());
    EXPECT_TRUE(out->contains("<<\n/Author <FEFF0410043D043D0430>\n/Title (T)\n>>"));
    expectConsistent(*out);
}

TEST(PdfAuthor, OtherLayoutsAreLeftAlone) {
    QByteArray noInfo = smallPdf();
    noInfo.replace("/Info 1 0 R\n", "");
    QByteArray badTable = smallPdf();
    badTable.replace("0000000000 65535 f", "00000000x0 65535 f");
    QByteArray badStart = smallPdf();
    badStart.replace("startxref\n", "startxref\n1");
    for (const QByteArray& pdf :
         {QByteArray("%PDF-1.4\n"), noInfo, badTable, badStart, smallPdf("/Author (Someone)\n")})
        EXPECT_FALSE(publish::withPdfAuthor(pdf, QStringLiteral("A")).has_value())
            << pdf.toStdString();
}

} // namespace
