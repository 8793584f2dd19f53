#pragma once

#include "files/FileCommon.h"

#include <QString>
#include <QStringList>

class QIODevice;

// The crosswords and answers files last opened or saved, most recent first, kept beside the
// settings file in a file of their own (one UTF-8 path a line): Clueforge.ini's lines are read
// by position, and its last line is written only while an option is on.
class RecentFiles {
public:
    static constexpr qsizetype kMaxEntries = 8;
    static constexpr const char* kFileName = "Clueforge.recent";
    // Eight paths of any length a file system allows fit many times over; the rest of a larger
    // file is not read.
    static constexpr qint64 kMaxFileBytes = 64 * 1024;

    const QStringList& paths() const { return paths_; }
    // Puts path first, taking it from where it was; the oldest beyond kMaxEntries goes.
    void add(const QString& path);
    // False when path was not in the list.
    bool remove(const QString& path);

    // Replaces the list by what device holds: absolute paths only, each once, at most
    // kMaxEntries, from the first kMaxFileBytes.
    void read(QIODevice& device);
    bool write(QIODevice& device) const;

    // folder + kFileName; a missing or unreadable file gives an empty list.
    void readFrom(const QString& folder);
    // Makes folder when missing.
    FileStatus writeTo(const QString& folder) const;

private:
    QStringList paths_;
};
