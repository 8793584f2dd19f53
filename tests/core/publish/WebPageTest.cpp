#include "publish/WebPage.h"

#include "support/Crosswords.h"
#include "support/FilledCrossword.h"

#include "app/Conversion.h"
#include "app/language/LanguageFile.h"
#include "text/CodePage.h"
#include "text/Escaping.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fixtures::cp;

namespace {

Language shippedLanguage(const char* file) {
    Language lang;
    QFile f(QStringLiteral(CLUEFORGE_RESOURCES "/Language/") + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    readLanguage(f, lang);
    return lang;
}

QString page(const CrosswordDocument& doc, const Language& lang, int style = 0) {
    publish::WebLook look;
    look.style = style;
    return QString::fromUtf8(publish::buildWebPage(doc, look, lang));
}

QJsonObject pageData(const QString& html) {
    const QRegularExpression data(QStringLiteral("id=\"cf-data\">(.*?)</script>"));
    return QJsonDocument::fromJson(data.match(html).captured(1).toUtf8()).object();
}

// The page script's mask, written again from its description: the letters travel as
// code ^ mask(cell), so that the page can reveal them offline.
quint32 mask(quint32 seed, int cell) {
    quint32 h = seed ^ (static_cast<quint32>(cell + 1) * 0x9E3779B1u);
    h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    return (h ^ (h >> 16)) & 0xFFFFu;
}

QString revealed(const QJsonObject& data, const QJsonArray& cells) {
    QString out;
    const quint32 seed = static_cast<quint32>(data[QStringLiteral("k")].toDouble());
    const QJsonArray letters = data[QStringLiteral("a")].toArray();
    for (const QJsonValue c : cells)
        out += QChar(static_cast<char16_t>(static_cast<quint32>(letters[c.toInt()].toInt()) ^
                                           mask(seed, c.toInt())));
    return out;
}

} // namespace

TEST(WebPage, TextsAreEscapedForHtmlAndForTheScriptsData) {
    // The page's HTML takes the texts as XML does (escape::xml).
    const struct {
        const char16_t* text;
        const char* html;
        const char* json;
    } cases[] = {
        {u"a < b & \"c\" 'd'", "a &lt; b &amp; &quot;c&quot; &#39;d&#39;",
         "\"a \\u003c b \\u0026 \\\"c\\\" 'd'\""},
        {u"</script><script>x", "&lt;/script&gt;&lt;script&gt;x",
         "\"\\u003c/script\\u003e\\u003cscript\\u003ex\""},
        {u"tab\there\x01\x7f\u2028", "tab here   ", "\"tab\\u0009here\\u0001\\u007f\\u2028\""},
        {u"back\\slash Ёж", "back\\slash Ёж", "\"back\\\\slash Ёж\""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(escape::xml(text), QByteArray(c.html)) << c.html;
        EXPECT_EQ(publish::jsonString(text), QByteArray(c.json)) << c.json;
    }
}

TEST(WebPage, AHostileCrosswordCannotBreakOutOfThePage) {
    CrosswordDocument doc = houseCrossword().build();
    doc.CrosswordTitle = "</script><script>alert(1)</script>\x01";
    doc.CrosswordAuthor = "\"><img src=x onerror=alert(2)>";
    doc.SlotTexts.set(1, 0, 0, QByteArray("</textarea><!-- \x7f & \"") + '\0' + "x");
    const QByteArray bytes = publish::buildWebPage(doc, {}, shippedLanguage("Russian.txt"));
    const QString html = QString::fromUtf8(bytes);
    EXPECT_EQ(html.toUtf8(), bytes) << "valid UTF-8";
    EXPECT_EQ(bytes.count("<script"), 2) << "the data and the page's own script only";
    EXPECT_FALSE(bytes.contains("<img"));
    EXPECT_FALSE(bytes.contains("<!--"));
    for (const char c : bytes)
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << int(c);
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;/script&gt;&lt;script&gt;alert(1)")));
}

TEST(WebPage, AnswersAreScrambledCellByCellAndComeBackForReveal) {
    const CrosswordDocument doc = houseCrossword().build();
    const QString html = page(doc, shippedLanguage("Russian.txt"));
    for (const char16_t* answer : {u"КОТ", u"КИТ", u"ТОК"})
        EXPECT_FALSE(html.contains(QString::fromUtf16(answer), Qt::CaseInsensitive));
    const QJsonObject data = pageData(html);
    QStringList words;
    for (const QJsonValue s : data[QStringLiteral("s")].toArray())
        words << QString::number(s[0].toInt()) + QString::number(s[1].toInt()) +
                     revealed(data, s[2].toArray());
    EXPECT_EQ(words, (QStringList{QStringLiteral(u"10КОТ"), QStringLiteral(u"30ТОК"),
                                  QStringLiteral(u"11КИТ"), QStringLiteral(u"21ТОК")}));
    // The same letter differs from cell to cell: Т of cells 2, 6 and 8.
    const QJsonArray a = data[QStringLiteral("a")].toArray();
    EXPECT_NE(a[2], a[6]);
    EXPECT_NE(a[6], a[8]);
}

TEST(WebPage, TheGridIsAnAriaGridInTheShownStyle) {
    const CrosswordDocument doc = houseCrossword().build();
    for (const int style : {0, 1}) {
        SCOPED_TRACE(style);
        const QString html = page(doc, shippedLanguage("Russian.txt"), style);
        EXPECT_EQ(html.count(QStringLiteral("role=\"gridcell\"")), 8);
        EXPECT_EQ(html.count(QStringLiteral("role=\"row\"")), 3);
        EXPECT_EQ(html.count(QStringLiteral("class=\"c\" aria-hidden=\"true\"")), 1);
        // Turned, 1 starts in the bottom right cell and reads leftwards and upwards.
        const int one = style == 0 ? 0 : 8;
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"c%1\" tabindex=\"-1\" aria-label=\"строка "
                                                 "%2, столбец %3, номер 1\"")
                                      .arg(one)
                                      .arg(one / 3 + 1)
                                      .arg(one % 3 + 1)));
        const QJsonArray first = pageData(html)[QStringLiteral("s")].toArray()[0].toArray();
        EXPECT_EQ(first[2].toArray(), style == 0 ? (QJsonArray{0, 1, 2}) : (QJsonArray{8, 7, 6}));
        // Each clue a button beginning with its number.
        EXPECT_TRUE(html.contains(
            QStringLiteral("class=\"clue\" id=\"q0\"><b>1.</b> Домашний зверь</button>")));
    }
}

TEST(WebPage, SpeaksTheLanguageOfTheExport) {
    const CrosswordDocument doc = houseCrossword().build();
    const struct {
        Language lang;
        const char* code;
        const char16_t* button;
    } cases[] = {
        {shippedLanguage("Russian.txt"), "ru", u"Проверить слово"},
        {shippedLanguage("English.txt"), "en", u"Check word"},
        {Language{}, "en", u"Check word"}, // built-in texts
    };
    for (const auto& c : cases) {
        const QString html = page(doc, c.lang);
        EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(c.code))));
        EXPECT_TRUE(html.contains(QString::fromUtf16(c.button))) << c.code;
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    }
}

TEST(WebPage, ACrosswordWithoutAnswersCanBeSolvedButNotChecked) {
    const CrosswordDocument doc = houseCrossword(1).build();
    const QString html = page(doc, shippedLanguage("English.txt"));
    EXPECT_TRUE(pageData(html)[QStringLiteral("a")].toArray().isEmpty());
    EXPECT_FALSE(html.contains(QStringLiteral("id=\"ckw\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("the page cannot check them")));
    EXPECT_EQ(html.count(QStringLiteral("role=\"gridcell\"")), 8);
}

TEST(WebPage, AFifteenByFifteenPageStaysUnderOneHundredKilobytes) {
    // A lattice: words along every even row and column, clues of 60 Russian letters.
    FilledCrossword filled;
    for (int y = 0; y < 15; ++y) {
        QString row;
        for (int x = 0; x < 15; ++x)
            row += (x % 2 && y % 2) ? QChar(u'#') : QChar(u'А' + (x * 7 + y * 3) % 32);
        filled.rows << cp1251::fromUnicode(row);
    }
    CrosswordDocument doc = filled.build();
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d < 2; ++d)
            doc.SlotTexts.set(n, 0, d,
                              cp(u"Длинная подсказка к слову, которую решатель читает долго"));
    const QByteArray bytes = publish::buildWebPage(doc, {}, shippedLanguage("Russian.txt"));
    EXPECT_LT(bytes.size(), 100 * 1024);
    EXPECT_EQ(pageData(QString::fromUtf8(bytes))[QStringLiteral("s")].toArray().size(), 16);
}

TEST(WebPage, IsSavedWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    EXPECT_EQ(publish::writeWebPage(path, "<p>one</p>"), FileStatus::Ok);
    EXPECT_EQ(publish::writeWebPage(dir.filePath(QStringLiteral("none/page.html")), "x"),
              FileStatus::AccessDenied);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "<p>one</p>");
}

TEST(MayRevealAnswers, OnlyWithTheCrosswordsOwnPassword) {
    const CrosswordDocument open = ringCrossword().build();
    const CrosswordDocument locked = houseCrossword().build();
    const struct {
        const CrosswordDocument& doc;
        std::optional<QByteArray> password;
        bool reveals;
    } cases[] = {
        {open, std::nullopt, true},     {open, QByteArray("anything"), true},
        {locked, std::nullopt, false},  {locked, QByteArray(), false},
        {locked, cp(u"секрет"), false}, {locked, cp(u"Секрет "), false},
        {locked, cp(u"Секрет"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convert::mayRevealAnswers(c.doc, c.password), c.reveals)
            << (c.password ? c.password->constData() : "(none)");
}
