#include "export/HtmlPage.h"

#include "support/Crosswords.h"

#include <gtest/gtest.h>

using fixtures::cp;

TEST(ExportNames, PicturesLieBesideThePage) {
    const struct {
        const char16_t* chosen;
        const char16_t* page;
        const char16_t* base;
        const char16_t* baseName; // the pictures' names in the page start with it
    } cases[] = {
        {u"/home/u/cross", u"/home/u/cross.htm", u"/home/u/cross", u"cross"},
        {u"/home/u/cross.html", u"/home/u/cross.html", u"/home/u/cross", u"cross"},
        {u"/home/u/cross.v2.htm", u"/home/u/cross.v2.htm", u"/home/u/cross", u"cross"},
        {u"/home/my.folder/cross", u"/home/my.folder/cross.htm", u"/home/my.folder/cross",
         u"cross"},
#ifdef Q_OS_WIN
        {u"C:\\My.Docs\\Зима.htm", u"C:\\My.Docs\\Зима.htm", u"C:\\My.Docs\\Зима", u"Зима"},
#else
        // A backslash belongs to the file name here, as the file system sees it.
        {u"/home/u/a\\b", u"/home/u/a\\b.htm", u"/home/u/a\\b", u"a\\b"},
        {u"/home/u/x.y\\cross", u"/home/u/x.y\\cross", u"/home/u/x", u"x"},
#endif
        // Never the name of a picture, which the page would replace.
        {u"/home/u/cross.BMP", u"/home/u/cross.BMP.htm", u"/home/u/cross", u"cross"},
        {u"/home/u/cross (ответы).bmp", u"/home/u/cross (ответы).bmp.htm",
         u"/home/u/cross (ответы)", u"cross (ответы)"},
    };
    for (const auto& c : cases) {
        const ExportNames n = exportNames(QString::fromUtf16(c.chosen));
        const QString base = QString::fromUtf16(c.base);
        const QString baseName = QString::fromUtf16(c.baseName);
        EXPECT_EQ(n.page, QString::fromUtf16(c.page));
        EXPECT_EQ(n.gridPicture, base + QStringLiteral(".bmp"));
        EXPECT_EQ(n.answersPicture, base + QStringLiteral(u" (ответы).bmp"));
        EXPECT_EQ(n.gridPictureName, baseName + QStringLiteral(".bmp"));
        EXPECT_EQ(n.answersPictureName, baseName + QStringLiteral(u" (ответы).bmp"));
    }
}

TEST(ExportNames, SuggestsTheCrosswordFileNameWithoutExtension) {
    EXPECT_EQ(suggestedExportName(QStringLiteral("/a/b/Winter.cfw")), QStringLiteral("Winter"));
    EXPECT_EQ(suggestedExportName(QStringLiteral("C:\\x\\Зима.cfw")), QStringLiteral(u"Зима"));
    EXPECT_EQ(suggestedExportName(QString()), QString());
    EXPECT_EQ(suggestedExportName(QStringLiteral("/a/.cfw")), QString());
    // A crossword solved from an ipuz file: its whole extension goes, not "dom." for a copy.
    EXPECT_EQ(suggestedExportName(QStringLiteral("/a/Дом.IPUZ")), QStringLiteral(u"Дом"));
    EXPECT_EQ(suggestedExportName(QStringLiteral("/a/.ipuz")), QString());
}

TEST(HtmlPage, IsBuiltInTheDocumentedOrder) {
    CrosswordDocument doc;
    fixtures::ring3x3(doc, EditMode::ModeAuthor);
    doc.CrosswordTitle = cp(u"Зима");
    doc.CrosswordAuthor = cp(u"Иванов");
    doc.SlotTexts.set(1, 0, 0, cp(u"Зверь"));
    doc.SlotTexts.set(1, 1, 0, cp(u"КОТ"));
    doc.SlotTexts.set(1, 0, 1, cp(u"Кит?"));
    doc.SlotTexts.set(1, 1, 1, cp(u"КИТ"));
    doc.SlotTexts.set(2, 0, 1, "Tone");
    doc.SlotTexts.set(2, 1, 1, cp(u"ТОН"));
    doc.SlotTexts.set(3, 0, 0, "Clue 3"); // no answer yet
    const PageCaptions captions{cp(u"Кроссворд"), cp(u"По горизонтали:"), cp(u"По вертикали:"),
                                cp(u"Автор")};

    const QByteArray expected =
        cp(u"<html><head><meta http-equiv='Content-Type' content='text/html; "
           u"charset=windows-1251'><title>Кроссворд: \"Зима\" Автор Иванов</title></head>"
           u"<body topmargin=0 leftmargin=0><center><br><font size=5>Автор Иванов</font>"
           u"<br><font size=6>Зима</font><br><img src='Зима.bmp'></center><br><br>"
           u"<br><b>По горизонтали:</b>  1. Зверь 3. Clue 3"
           u"<br><b>По вертикали:</b>  1. Кит? 2. Tone"
           u"<center><font size=5>Ответы</font><br><img src='Зима (ответы).bmp'></center>"
           u"<br><br><b>По горизонтали:</b>  1. Кот 3. "
           u"<br><b>По вертикали:</b>  1. Кит 2. Тон"
           u"</body></html>\r\n");
    EXPECT_EQ(buildHtmlPage(doc, captions, QStringLiteral(u"Зима.bmp"),
                            QStringLiteral(u"Зима (ответы).bmp")),
              expected);
}

TEST(HtmlPage, CrosswordTextsCannotInjectMarkup) {
    CrosswordDocument doc;
    fixtures::setSlots(doc, 2, 1, {{1, 0, 0, 0, 2}}, EditMode::ModeAuthor);
    doc.CrosswordTitle = "<script>";
    doc.CrosswordAuthor = "A&B";
    doc.SlotTexts.set(1, 0, 0, "<b>&\"'");
    doc.SlotTexts.set(1, 1, 0, "<I");
    const QByteArray page = buildHtmlPage(doc, {"K", "A", "D", "by"}, QStringLiteral("x'.bmp"),
                                          QStringLiteral("x (a).bmp"));
    EXPECT_TRUE(page.contains(" 1. &lt;b&gt;&amp;&quot;&#39;"));
    EXPECT_TRUE(page.contains(" 1. &lt;i"));
    EXPECT_TRUE(page.contains("<font size=6>&lt;script&gt;</font>"));
    EXPECT_TRUE(page.contains("by A&amp;B"));
    EXPECT_TRUE(page.contains("<img src='x&#39;.bmp'>"));
    EXPECT_FALSE(page.contains("<script>"));
    EXPECT_FALSE(page.contains("<b>&"));

    // Control bytes of a crossword file's texts never reach the page raw.
    doc.CrosswordTitle = QByteArray("T\x01\x00\x1f\x7f", 5);
    doc.SlotTexts.set(1, 0, 0, "a\tb\x0b");
    const QByteArray withControls = buildHtmlPage(doc, {"K", "A", "D", "by"}, {}, {});
    for (const char c : withControls.chopped(2)) // the page's own CR LF at its end
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7f) << int(c);
    EXPECT_TRUE(withControls.contains("<font size=6>T    </font>"));
}

TEST(HtmlPage, NamesOutsideTheCodePageArePercentEncoded) {
    CrosswordDocument doc;
    const QByteArray page =
        buildHtmlPage(doc, {}, QStringLiteral(u"日.bmp"), QStringLiteral("a.bmp"));
    EXPECT_TRUE(page.contains("<img src='%E6%97%A5.bmp'>"));
}

// A name must reach the browser as the file's name: nothing in it may read as an escape, a
// query, a fragment, a scheme or a folder.
TEST(HtmlPage, PictureReferencesAreUrlEscaped) {
    const struct {
        const char16_t* name;
        const char16_t* src;
    } cases[] = {
        {u"%41.bmp", u"%2541.bmp"},
        {u"a#1.bmp", u"a%231.bmp"},
        {u"a?b=1.bmp", u"a%3Fb=1.bmp"},
        {u"c:x.bmp", u"c%3Ax.bmp"},
        {u"a\\b.bmp", u"a%5Cb.bmp"},
        {u"a\tb.bmp", u"a%09b.bmp"},
        {u" a b.bmp", u"%20a b.bmp"},
        {u"Зима (ответы) & 'Лето'.bmp", u"Зима (ответы) &amp; &#39;Лето&#39;.bmp"},
        {u"Зима✓.bmp", u"Зима%E2%9C%93.bmp"},
        {u"😀%.bmp", u"%F0%9F%98%80%25.bmp"},
    };
    CrosswordDocument doc;
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        const QByteArray page = buildHtmlPage(doc, {}, name, name);
        const QByteArray img = "<img src='" + cp(c.src) + "'>";
        EXPECT_EQ(page.count(img), 2) << name.toStdString();
    }
}

TEST(HtmlPage, LanguageTextsCannotInjectMarkup) {
    CrosswordDocument doc;
    fixtures::setSlots(doc, 2, 2, {{1, 0, 0, 0, 2}, {1, 1, 0, 0, 2}}, EditMode::ModeAuthor);
    doc.SlotTexts.set(1, 0, 0, "a");
    doc.SlotTexts.set(1, 0, 1, "b");
    const PageCaptions captions{"<script>k</script>", "<script>a</script>", "<i>d&",
                                "<img src=x onerror='b'>"};
    const QByteArray page =
        buildHtmlPage(doc, captions, QStringLiteral("g.bmp"), QStringLiteral("a.bmp"));
    EXPECT_FALSE(page.contains("<script"));
    EXPECT_FALSE(page.contains("<i>"));
    EXPECT_FALSE(page.contains("<img src=x"));
    EXPECT_TRUE(page.contains("<title>&lt;script&gt;k&lt;/script&gt;: \"\" "
                              "&lt;img src=x onerror=&#39;b&#39;&gt; </title>"));
    EXPECT_EQ(page.count("<b>&lt;script&gt;a&lt;/script&gt;</b>"), 2);
    EXPECT_EQ(page.count("<b>&lt;i&gt;d&amp;</b>"), 2);
    EXPECT_EQ(page.count("<img "), 2);
}
