// The words a search found, as a list model read from the word list row by row.
#include "words/FoundWordsModel.h"

#include "text/CodePage.h"

#include <limits>

void FoundWordsModel::setMatches(words::WordMatches matches) {
    beginResetModel();
    matches_ = std::move(matches);
    endResetModel();
}

int FoundWordsModel::rowCount(const QModelIndex& parent) const {
    // Word lists are read up to 64 MB, far fewer words than an int counts.
    return parent.isValid() ? 0
                            : static_cast<int>(std::min<qsizetype>(
                                  matches_.count(), std::numeric_limits<int>::max()));
}

QVariant FoundWordsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return cp1251::toUnicode(matches_.word(index.row()).toByteArray());
}

QModelIndexList FoundWordsModel::match(const QModelIndex& start, int role, const QVariant& value,
                                       int hits, Qt::MatchFlags flags) const {
    const QString text = value.toString();
    const Qt::MatchFlags kind = flags & Qt::MatchTypeMask;
    if (role != Qt::DisplayRole || hits != 1 || kind != Qt::MatchStartsWith ||
        flags.testFlag(Qt::MatchCaseSensitive) || !cp1251::canEncode(text))
        return QAbstractListModel::match(start, role, value, hits, flags);
    const qsizetype from = start.isValid() ? start.row() : 0;
    qsizetype row = matches_.findPrefix(cp1251::toUpper(cp1251::fromUnicode(text)), from);
    // Without wrapping, a word found before the start does not count.
    if (row < from && !flags.testFlag(Qt::MatchWrap))
        row = -1;
    if (row < 0 || row >= rowCount())
        return {};
    return {index(static_cast<int>(row))};
}
