#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

class QIODevice;

// The word lists of the Data folder: one file per word length L, "Data/L.dat", holding the
// number of words as a number field and then all words back to back in one text field.
namespace words {

constexpr int kMinPatternLength = 2;
constexpr int kMaxPatternLength = 24;
constexpr char kUnknownLetter = '?';

struct WordList {
    int length = 0;
    QByteArray letters; // whole words only, each `length` bytes, back to back

    qsizetype count() const { return length > 0 ? letters.size() / length : 0; }
    QByteArrayView word(qsizetype index) const {
        return QByteArrayView(letters).sliced(index * length, length);
    }
};

// ProgramFolder + "Data/" + L + ".dat".
QString wordListPath(const QString& programFolder, int length);

// Whatever cannot be read leaves the list empty. A count larger than the text holds is cut to
// the whole words the text has; a count smaller than it leaves the rest unread.
WordList readWordList(QIODevice& device, int length);

// The count line, then the words in one quoted field. All words must have `length` bytes and
// hold no double quote or line end. Returns false when a write failed or a word does not fit.
bool writeWordList(QIODevice& device, int length, const QList<QByteArray>& words);

// The words of a list that fit a pattern, in list order. A search may fit millions of words:
// they are not copied but marked, one bit per word of the list (none when every word fits),
// with a count per block of bits so that a row is found without walking the bits before it.
class WordMatches {
public:
    qsizetype count() const { return count_; }
    // The row-th word that fits, 0 <= row < count(), as stored in the list.
    QByteArrayView word(qsizetype row) const { return list_.word(listIndex(row)); }
    // Its place in the list.
    qsizetype listIndex(qsizetype row) const;
    // The first row from `from` on whose word begins with `prefix`, going on from the first
    // row after the last; -1 when no word does.
    qsizetype findPrefix(QByteArrayView prefix, qsizetype from) const;
    // Copies of all the words; for small results.
    QList<QByteArray> toList() const;

private:
    friend WordMatches matchingWords(const WordList& list, QByteArrayView pattern);
    static constexpr qsizetype kBlockBits = 8; // bit words (of 64 list words) per counted block

    WordList list_; // shares the list's bytes
    bool all_ = false;
    std::vector<quint64> bits_;     // bit i of word i / 64: list word i fits
    std::vector<qsizetype> before_; // fitting words before each block of kBlockBits bit words
    qsizetype count_ = 0;
};

// The words of `list` that agree with `pattern` (as long as the list's words, already upper
// case) at every position that is not '?'.
WordMatches matchingWords(const WordList& list, QByteArrayView pattern);

// Keeps each file that was read until it changes on disk (size or modification time), so
// repeated searches of one length read the file once.
class WordListCache {
public:
    // The list of ProgramFolder/Data/L.dat; an empty list when the file is missing or unreadable.
    // The reference holds until the next load.
    const WordList& load(const QString& programFolder, int length);
    // How many times a file was actually read; for tests.
    int reads() const { return reads_; }

private:
    struct Entry {
        qint64 size = -1;
        QDateTime modified;
        WordList list;
    };
    QHash<QString, Entry> entries_;
    WordList empty_;
    int reads_ = 0;
};

// The search of the pattern-search window: the pattern is upper-cased, its length chooses the
// file. Patterns shorter than 2 or longer than 24 characters are the caller's to refuse.
WordMatches findWords(WordListCache& cache, const QString& programFolder,
                      const QByteArray& pattern);

} // namespace words
