#pragma once

#include "words/WordList.h"

#include <QAbstractListModel>

// The words a pattern search found, one row each, read from the word list only when shown.
class FoundWordsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setMatches(words::WordMatches matches);
    const words::WordMatches& matches() const { return matches_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Typing in the list looks for the first word that begins with what was typed; the words
    // are compared as bytes, since turning millions of rows into text would freeze the window.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith |
                                                                Qt::MatchWrap)) const override;

private:
    words::WordMatches matches_;
};
