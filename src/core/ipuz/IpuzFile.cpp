// The ipuz exchange format: the crossword as JSON for other tools, and theirs taken over.
#include "ipuz/IpuzFile.h"

#include "app/language/Language.h"
#include "files/ScrambleTables.h"
#include "grid/CrosswordDocument.h"
#include "grid/GridAnalysis.h"
#include "grid/GridLimits.h"
#include "grid/ShownGrid.h"
#include "text/CodePage.h"
#include "text/Escaping.h"
#include "words/Placement.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace ipuz {

namespace {

using Kind = ReadProblem::Kind;

const QString kVersion = QStringLiteral("http://ipuz.org/v2");
const QString kCrosswordKind = QStringLiteral("http://ipuz.org/crossword#1");

ReadProblem problem(Kind kind) {
    ReadProblem p;
    p.kind = kind;
    return p;
}

// --- Texts ---

const QHash<QString, QString>& namedEntities() {
    static const QHash<QString, QString> named{{QStringLiteral("amp"), QStringLiteral("&")},
                                               {QStringLiteral("lt"), QStringLiteral("<")},
                                               {QStringLiteral("gt"), QStringLiteral(">")},
                                               {QStringLiteral("quot"), QStringLiteral("\"")},
                                               {QStringLiteral("apos"), QStringLiteral("'")},
                                               {QStringLiteral("nbsp"), QStringLiteral(" ")},
                                               {QStringLiteral("laquo"), QStringLiteral(u"«")},
                                               {QStringLiteral("raquo"), QStringLiteral(u"»")},
                                               {QStringLiteral("mdash"), QStringLiteral(u"—")},
                                               {QStringLiteral("ndash"), QStringLiteral(u"–")},
                                               {QStringLiteral("hellip"), QStringLiteral(u"…")}};
    return named;
}

// The character an entity such as "&#1046;", "&#x416;" or "&laquo;" stands for; none for a text
// that is no entity, which then stays as it is.
std::optional<QString> entityText(QStringView name) {
    if (name.startsWith(QLatin1Char('#'))) {
        const bool hex =
            name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        const QStringView digits = name.mid(hex ? 2 : 1);
        if (digits.isEmpty() || digits.size() > (hex ? 6 : 7))
            return std::nullopt;
        bool ok = false;
        const uint code = hex ? digits.toUInt(&ok, 16) : digits.toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    if (name.size() < 2 || name.size() > 8)
        return std::nullopt;
    const auto found = namedEntities().constFind(name.toString());
    return found == namedEntities().cend() ? std::nullopt : std::optional<QString>(*found);
}

// ipuz texts may carry light HTML: the markup goes and entities become characters; everything
// else stays as written, blanks included. Line ends and tabs become blanks (a crossword file
// keeps a text on one line). One pass: a clue of megabytes costs no more than its reading.
QString plainText(const QString& html) {
    QString out;
    out.reserve(html.size());
    const qsizetype n = html.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = html[i];
        if (c == QLatin1Char('<')) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i + 1);
            if (close < 0) {
                // No tag closes any more: the rest is text.
                out += QStringView(html).mid(i);
                break;
            }
            i = close + 1;
            continue;
        }
        if (c == QLatin1Char('&')) {
            // Entities are short: the search for their end stays near.
            const qsizetype length = QStringView(html).mid(i + 1, 9).indexOf(QLatin1Char(';'));
            if (length > 0)
                if (const auto text = entityText(QStringView(html).mid(i + 1, length))) {
                    out += *text;
                    i += length + 2;
                    continue;
                }
        }
        out += c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')
                   ? QChar(QLatin1Char(' '))
                   : c;
        ++i;
    }
    return out.normalized(QString::NormalizationForm_C);
}

// A text as a crossword file keeps it: its first kMaxTextBytes characters, each one byte there.
QString keptText(QString text) {
    if (text.size() > kMaxTextBytes) {
        text.truncate(kMaxTextBytes);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

// A text of the file: a string, or nothing; any other value is none of the format's.
std::optional<QString> textValue(const QJsonValue& v) {
    if (v.isString())
        return keptText(plainText(v.toString()));
    if (v.isNull() || v.isUndefined())
        return QString();
    return std::nullopt;
}

// The first character Windows-1251 has no byte for, or a control character, which no text or
// cell may hold, as "U+2260"; none when all are fine.
std::optional<QString> firstUnencodable(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (c < 0x20 || c == 0x7F || c > 0xFFFF ||
            cp1251::fromUnicode(static_cast<char16_t>(c)) < 0)
            return QStringLiteral("U+%1")
                .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'))
                .toUpper();
    return std::nullopt;
}

// A number as ipuz writes it: a JSON number, or a string of digits.
std::optional<int> numberOf(const QJsonValue& v) {
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d >= 0 && d <= 1'000'000 && d == static_cast<int>(d))
            return static_cast<int>(d);
        return std::nullopt;
    }
    if (v.isString()) {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        if (ok && n >= 0)
            return n;
    }
    return std::nullopt;
}

// How deep the JSON nests, outside its strings; stops counting past `limit`.
int nestingDepth(const QByteArray& json, int limit) {
    int depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (const char c : json) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true;
        else if (c == '[' || c == '{')
            deepest = std::max(deepest, ++depth);
        else if (c == ']' || c == '}')
            --depth;
        if (deepest > limit)
            break;
    }
    return deepest;
}

// --- Cells ---

struct Cell {
    bool block = false;
    int label = 0; // the number the file prints there, 0 for none
};

struct Grid {
    int width = 0, height = 0;
    std::vector<Cell> cells;
    std::vector<QString> letters; // the solution, "" for none
    Cell& at(int x, int y) { return cells[static_cast<std::size_t>(y * width + x)]; }
    QString& letter(int x, int y) { return letters[static_cast<std::size_t>(y * width + x)]; }
};

// Whether a cell's style puts a bar beside it: a style of its own or one the file names.
bool barred(const QJsonValue& style, const QJsonObject& styles) {
    const QJsonValue s = style.isString() ? styles.value(style.toString()) : style;
    return s.isObject() && s.toObject().contains(QStringLiteral("barred"));
}

// Rows of cells as the dimensions give them: `height` arrays of `width` values.
bool rectangular(const QJsonArray& rows, const Grid& g) {
    if (rows.size() != g.height)
        return false;
    for (const QJsonValue row : rows)
        if (!row.isArray() || row.toArray().size() != g.width)
            return false;
    return true;
}

// The puzzle's rows into blocks and labels; a problem when they cannot be.
std::optional<ReadProblem> readPuzzle(const QJsonObject& root, Grid& g) {
    const QJsonValue puzzle = root.value(QStringLiteral("puzzle"));
    if (!puzzle.isArray())
        return problem(Kind::Unreadable);
    const QJsonArray rows = puzzle.toArray();
    if (!rectangular(rows, g))
        return problem(Kind::NotRectangular);
    const QString block = root.value(QStringLiteral("block")).toString(QStringLiteral("#"));
    const QJsonValue emptyValue = root.value(QStringLiteral("empty"));
    const QJsonObject styles = root.value(QStringLiteral("styles")).toObject();
    for (int y = 0; y < g.height; ++y) {
        const QJsonArray r = rows.at(y).toArray();
        for (int x = 0; x < g.width; ++x) {
            QJsonValue v = r.at(x);
            if (v.isObject()) {
                const QJsonObject o = v.toObject();
                if (barred(o.value(QStringLiteral("style")), styles)) {
                    ReadProblem p = problem(Kind::Barred);
                    p.column = x + 1;
                    p.row = y + 1;
                    return p;
                }
                v = o.value(QStringLiteral("cell"));
            }
            Cell& c = g.at(x, y);
            if (v.isNull() || (v.isString() && v.toString() == block)) {
                c.block = true; // omitted cells and blocks alike
            } else if (const auto n = numberOf(v)) {
                c.label = *n;
            } else if (!v.isString() && !v.isUndefined() && v != emptyValue) {
                // A label may be any text ("A"); anything but text or a number is no cell.
                return problem(Kind::Unreadable);
            }
        }
    }
    return std::nullopt;
}

// The solution's letters, when the file has one; a problem for what cannot be carried.
std::optional<ReadProblem> readSolution(const QJsonObject& root, Grid& g, bool& present) {
    const QJsonValue solution = root.value(QStringLiteral("solution"));
    present = solution.isArray();
    if (!present)
        return std::nullopt;
    const QJsonArray rows = solution.toArray();
    if (!rectangular(rows, g))
        return problem(Kind::NotRectangular);
    const QString block = root.value(QStringLiteral("block")).toString(QStringLiteral("#"));
    const QJsonValue emptyValue = root.value(QStringLiteral("empty"));
    for (int y = 0; y < g.height; ++y) {
        const QJsonArray r = rows.at(y).toArray();
        for (int x = 0; x < g.width; ++x) {
            const auto cellProblem = [&](Kind kind) {
                ReadProblem p = problem(kind);
                p.text = ReadProblem::Text::Cell;
                p.column = x + 1;
                p.row = y + 1;
                return p;
            };
            QJsonValue v = r.at(x);
            if (v.isObject())
                v = v.toObject().value(QStringLiteral("value"));
            if (g.at(x, y).block || v.isNull() || v.isUndefined() || v == emptyValue)
                continue;
            // A letter is text: a number there would arrive as an empty cell.
            if (!v.isString())
                return cellProblem(Kind::WrongValue);
            const QString text = v.toString().normalized(QString::NormalizationForm_C).trimmed();
            if (text.isEmpty() || text == block || text == QLatin1String("0"))
                continue;
            if (text.toUcs4().size() > 1)
                return cellProblem(Kind::Rebus);
            if (const auto bad = firstUnencodable(text)) {
                ReadProblem p = cellProblem(Kind::CellCharacter);
                p.character = *bad;
                return p;
            }
            g.letter(x, y) = text;
        }
    }
    return std::nullopt;
}

struct Clue {
    int number = 0;
    int direction = 0;
    QString text;
};

// A clue of another direction or without a number, as the file names it: its direction's own
// label and the clue's label as written, or the start of its text when it has no label.
QString clueName(const QString& key, const QJsonValue& label, const QString& text) {
    const QString direction =
        key.contains(QLatin1Char(':')) ? key.section(QLatin1Char(':'), 1).trimmed() : key.trimmed();
    QString name = label.isDouble()   ? QString::number(label.toDouble())
                   : label.isString() ? label.toString()
                                      : text;
    constexpr int kShownCharacters = 40;
    if (name.size() > kShownCharacters)
        name = name.left(kShownCharacters) + QStringLiteral("...");
    return direction + QLatin1Char(' ') + name;
}

// The clues across and down into `out`; those of other directions or without a number are
// unmatched. A problem for a clue whose text is no text.
std::optional<ReadProblem> readClues(const QJsonObject& root, std::vector<Clue>& out,
                                     ReadProblem& unmatched) {
    const QJsonObject clues = root.value(QStringLiteral("clues")).toObject();
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        // "Across", or "Across:Label" with a label of the file's own.
        const QString key = it.key().section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        const int direction = key == QLatin1String("across") ? 0
                              : key == QLatin1String("down") ? 1
                                                             : -1;
        for (const QJsonValue item : it.value().toArray()) {
            QJsonValue label, textValueOfFile;
            if (item.isArray()) {
                const QJsonArray a = item.toArray();
                label = a.at(0);
                textValueOfFile = a.at(1);
            } else if (item.isObject()) {
                const QJsonObject o = item.toObject();
                label = o.value(QStringLiteral("number"));
                textValueOfFile = o.value(QStringLiteral("clue"));
            } else {
                textValueOfFile = item;
            }
            const std::optional<int> number = numberOf(label);
            const std::optional<QString> text = textValue(textValueOfFile);
            if (!text) {
                ReadProblem p = problem(Kind::WrongValue);
                p.clueName = clueName(it.key(), label, QString());
                return p;
            }
            if (direction < 0 || !number) {
                unmatched.otherClues << clueName(it.key(), label, *text);
                continue;
            }
            out.push_back({*number, direction, *text});
        }
    }
    return std::nullopt;
}

} // namespace

ReadProblem readIpuz(QIODevice& device, CrosswordDocument& doc) {
    const QByteArray bytes = device.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return problem(Kind::FileTooLarge);
    if (nestingDepth(bytes, kMaxDepth) > kMaxDepth)
        return problem(Kind::TooDeep);
    // Older files wrap the object as "ipuz({...})".
    QByteArrayView json(bytes);
    json = json.trimmed();
    if (json.startsWith("ipuz(") && json.endsWith(")"))
        json = json.sliced(5, json.size() - 6);
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        return problem(Kind::Unreadable);
    const QJsonObject root = parsed.object();
    bool crossword = false;
    for (const QJsonValue kind : root.value(QStringLiteral("kind")).toArray()) {
        const QString k = kind.toString();
        crossword = crossword || k.startsWith(QLatin1String("http://ipuz.org/crossword")) ||
                    k.startsWith(QLatin1String("https://ipuz.org/crossword"));
    }
    if (!crossword)
        return problem(Kind::Unreadable);

    const QJsonObject dimensions = root.value(QStringLiteral("dimensions")).toObject();
    const auto width = numberOf(dimensions.value(QStringLiteral("width")));
    const auto height = numberOf(dimensions.value(QStringLiteral("height")));
    if (!width || !height || *width < 1 || *height < 1)
        return problem(Kind::NotRectangular);
    if (!gridlimits::gridSizeAllowed(*width, *height))
        return problem(Kind::TooLarge);
    Grid g;
    g.width = *width;
    g.height = *height;
    g.cells.resize(static_cast<std::size_t>(g.width * g.height));
    g.letters.resize(g.cells.size());
    if (auto p = readPuzzle(root, g))
        return *p;
    bool withSolution = false;
    if (auto p = readSolution(root, g, withSolution))
        return *p;
    ReadProblem unmatched = problem(Kind::UnmatchedClues);
    std::vector<Clue> clues;
    if (auto p = readClues(root, clues, unmatched))
        return *p;

    QString title, author;
    for (const auto& [text, which] : {std::pair{&title, ReadProblem::Text::Title},
                                      std::pair{&author, ReadProblem::Text::Author}}) {
        const std::optional<QString> value =
            textValue(root.value(which == ReadProblem::Text::Title ? QStringLiteral("title")
                                                                   : QStringLiteral("author")));
        if (!value) {
            ReadProblem p = problem(Kind::WrongValue);
            p.text = which;
            return p;
        }
        *text = *value;
        if (const auto bad = firstUnencodable(*text)) {
            ReadProblem p = problem(Kind::TextCharacter);
            p.text = which;
            p.character = *bad;
            return p;
        }
    }

    // The grid as the author would draw it, numbered by our own analysis.
    bool anyClueText = false;
    for (const Clue& c : clues)
        anyClueText = anyClueText || !c.text.isEmpty();
    CrosswordDocument next;
    next.startNewGrid(g.width, g.height, cp1251::fromUnicode(title),
                      withSolution || anyClueText ? 0 : 1);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            next.CellMap.set(x, y, g.at(x, y).block ? 1 : 0);
    if (!analyseGrid(next))
        return problem(Kind::NoWords);
    buildShownGrid(next, 0);

    // A clue belongs to the slot that starts in the cell the file labels with its number, or,
    // in a file without labels, to our slot of that number.
    std::map<int, std::pair<int, int>> labelled;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (const int label = g.at(x, y).label; label > 0)
                labelled.emplace(label, std::pair{x, y});
    std::map<std::pair<int, int>, int> slotAtStart[2];
    for (int n = 1; n <= next.NumberedCount; ++n)
        for (int d = 0; d < 2; ++d)
            if (next.SlotTable.at(n, 2, d) > 0)
                slotAtStart[d][{next.SlotTable.at(n, 0, d), next.SlotTable.at(n, 1, d)}] = n;
    std::map<std::pair<int, int>, QByteArray> clueOf; // (our number, d)
    for (const Clue& c : clues) {
        int ours = 0;
        if (labelled.empty()) {
            ours = next.SlotTable.at(c.number, 2, c.direction) > 0 ? c.number : 0;
        } else if (const auto cell = labelled.find(c.number); cell != labelled.end()) {
            const auto slot = slotAtStart[c.direction].find(cell->second);
            ours = slot == slotAtStart[c.direction].end() ? 0 : slot->second;
        }
        if (ours == 0) {
            unmatched.clues << QPair<int, int>(c.number, c.direction);
            continue;
        }
        if (const auto bad = firstUnencodable(c.text)) {
            ReadProblem p = problem(Kind::TextCharacter);
            p.number = c.number;
            p.direction = c.direction;
            p.character = *bad;
            return p;
        }
        clueOf[{ours, c.direction}] = cp1251::fromUnicode(c.text);
    }
    if (!unmatched.clues.isEmpty() || !unmatched.otherClues.isEmpty())
        return unmatched;

    if (next.NoAnswers == 0)
        for (int n = 1; n <= next.NumberedCount; ++n)
            for (int d = 0; d < 2; ++d) {
                const int length = next.SlotTable.at(n, 2, d);
                if (length < 1)
                    continue;
                QString word;
                for (int k = 0; k < length; ++k) {
                    const int x = next.SlotTable.at(n, 0, d) + (d == 0 ? k : 0);
                    const int y = next.SlotTable.at(n, 1, d) + (d == 1 ? k : 0);
                    const QString& letter = g.letter(x, y);
                    if (letter.isEmpty()) {
                        word.clear();
                        break;
                    }
                    word += letter;
                }
                const QByteArray clue = clueOf[{n, d}];
                if (!word.isEmpty())
                    PlaceAnswer(next, n, d, cp1251::fromUnicode(word), clue);
                else if (!clue.isEmpty())
                    KeepClue(next, n, d, clue);
            }

    next.CrosswordAuthor = next.NoAnswers == 0 ? cp1251::fromUnicode(author) : QByteArray();
    next.CrosswordPassword = ScrambleText(next.Scramble, QByteArray());
    next.Modified = true;
    next.CurrentSlot = 0;
    next.CurrentDirection = 0;
    next.CurrentDownSlot = 0;
    doc = std::move(next);
    return {};
}

ReadProblem readIpuzFile(const QString& path, CrosswordDocument& doc) {
    QFile file(path);
    const FileStatus status = openForReading(file, kMaxFileBytes);
    // A regular file refused is one over the bound; anything else cannot be opened.
    if (status == FileStatus::Unusable && QFileInfo(path).isFile())
        return problem(Kind::FileTooLarge);
    if (status != FileStatus::Ok)
        return problem(Kind::OpenFailed);
    return readIpuz(file, doc);
}

QByteArray ipuzBytes(const CrosswordDocument& doc) {
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    const bool answers = doc.NoAnswers == 0 && doc.SlotTexts.rank() == 3;
    // Classic orientation: the slot table, whatever the shown grid.
    std::vector<int> label(static_cast<std::size_t>(std::max(w, 0) * std::max(h, 0)));
    std::vector<bool> covered(label.size());
    std::vector<QString> letter(label.size());
    QJsonObject clues;
    QJsonArray lists[2];
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d < 2; ++d) {
            const int x0 = doc.SlotTable.at(n, 0, d);
            const int y0 = doc.SlotTable.at(n, 1, d);
            const int length = doc.SlotTable.at(n, 2, d);
            if (length < 1 || x0 < 0 || y0 < 0 || x0 >= w || y0 >= h)
                continue;
            label[static_cast<std::size_t>(y0 * w + x0)] = n;
            const QString answer =
                answers ? cp1251::toUnicode(doc.SlotTexts.at(n, 1, d)) : QString();
            for (int k = 0; k < length; ++k) {
                const int x = x0 + (d == 0 ? k : 0);
                const int y = y0 + (d == 1 ? k : 0);
                if (x >= w || y >= h)
                    break;
                const auto i = static_cast<std::size_t>(y * w + x);
                covered[i] = true;
                if (k < answer.size())
                    letter[i] = answer.at(k);
            }
            const QString clue = answers ? cp1251::toUnicode(doc.SlotTexts.at(n, 0, d)) : QString();
            lists[d].append(QJsonArray{n, escape::ipuz(clue)});
        }
    QJsonArray puzzle, solution;
    for (int y = 0; y < h; ++y) {
        QJsonArray puzzleRow, solutionRow;
        for (int x = 0; x < w; ++x) {
            const auto i = static_cast<std::size_t>(y * w + x);
            if (!covered[i]) {
                puzzleRow.append(QStringLiteral("#"));
                solutionRow.append(QStringLiteral("#"));
                continue;
            }
            puzzleRow.append(label[i]);
            solutionRow.append(letter[i]);
        }
        puzzle.append(puzzleRow);
        solution.append(solutionRow);
    }
    clues.insert(QStringLiteral("Across"), lists[0]);
    clues.insert(QStringLiteral("Down"), lists[1]);

    QJsonObject root;
    root.insert(QStringLiteral("version"), kVersion);
    root.insert(QStringLiteral("kind"), QJsonArray{kCrosswordKind});
    root.insert(QStringLiteral("dimensions"),
                QJsonObject{{QStringLiteral("width"), w}, {QStringLiteral("height"), h}});
    root.insert(QStringLiteral("title"), escape::ipuz(cp1251::toUnicode(doc.CrosswordTitle)));
    if (!doc.CrosswordAuthor.isEmpty())
        root.insert(QStringLiteral("author"), escape::ipuz(cp1251::toUnicode(doc.CrosswordAuthor)));
    root.insert(QStringLiteral("block"), QStringLiteral("#"));
    root.insert(QStringLiteral("empty"), QStringLiteral("0"));
    root.insert(QStringLiteral("puzzle"), puzzle);
    if (answers)
        root.insert(QStringLiteral("solution"), solution);
    root.insert(QStringLiteral("clues"), clues);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool writeIpuz(QIODevice& device, const CrosswordDocument& doc) {
    const QByteArray bytes = ipuzBytes(doc);
    return device.write(bytes) == bytes.size();
}

FileStatus writeIpuzFile(const QString& path, const CrosswordDocument& doc) {
    return saveFileSafely(path, [&doc](QIODevice& device) { return writeIpuz(device, doc); });
}

QByteArray problemText(const Language& lang, const ReadProblem& p) {
    const auto own = [&lang](OwnText t) { return lang.ownText(t); };
    const auto cell = [&p] {
        return QByteArray::number(p.column) + ", " + QByteArray::number(p.row);
    };
    // Where a value lies, to follow "in".
    const auto place = [&]() -> QByteArray {
        switch (p.text) {
        case ReadProblem::Text::Title:
            return own(OwnText::InTheTitle);
        case ReadProblem::Text::Author:
            return own(OwnText::InTheAuthor);
        case ReadProblem::Text::Cell:
            return own(OwnText::InTheCell) + ' ' + cell();
        case ReadProblem::Text::Clue:
            break;
        }
        return p.clueName.isEmpty() ? lang.slotName(p.number, p.direction)
                                    : cp1251::fromUnicode(p.clueName);
    };
    switch (p.kind) {
    case Kind::Ok:
        return {};
    case Kind::OpenFailed:
        return lang.entry(fileMessageEntry(FileStatus::OpenFailed));
    case Kind::Unreadable:
        return own(OwnText::IpuzUnreadable);
    case Kind::TooLarge:
        return own(OwnText::IpuzTooLarge);
    case Kind::NotRectangular:
        return own(OwnText::IpuzNotRectangular);
    case Kind::Barred:
        return own(OwnText::IpuzBarred);
    case Kind::NoWords:
        return own(OwnText::IpuzNoWords);
    case Kind::Rebus:
        return own(OwnText::IpuzRebus) + ' ' + cell();
    case Kind::CellCharacter:
        return own(OwnText::IpuzCellCharacter) + ' ' + cell() + ": " + p.character.toLatin1();
    case Kind::FileTooLarge:
        return own(OwnText::FileTooLarge) + ' ' + QByteArray::number(kMaxFileBytes >> 20);
    case Kind::TooDeep:
        return own(OwnText::IpuzTooDeep) + ' ' + QByteArray::number(kMaxDepth);
    case Kind::WrongValue:
        return own(OwnText::IpuzWrongValue) + ' ' + place();
    case Kind::TextCharacter:
        return own(OwnText::IpuzTextCharacter) + ' ' + place() + ": " + p.character.toLatin1();
    case Kind::UnmatchedClues: {
        QByteArrayList names;
        for (const auto& [number, direction] : p.clues)
            names << lang.slotName(number, direction);
        for (const QString& other : p.otherClues)
            names << cp1251::fromUnicode(other);
        // A file of another numbering could list hundreds: the first ones say enough.
        constexpr int kShown = 20;
        const qsizetype all = names.size();
        if (all > kShown) {
            names = names.mid(0, kShown);
            names << "...";
        }
        return own(OwnText::IpuzUnmatchedClues) + ' ' + names.join(", ");
    }
    }
    return {};
}

} // namespace ipuz
