#pragma once

#include "files/FileCommon.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// The main window's own size and place, its docks and its zoom, kept per user beside the
// settings file in a file of their own (Clueforge.ini's lines are read by position and stay as
// they are). Lines "name=value"; the geometry and the dock state are Qt's own blobs in base64.
struct WindowLayout {
    static constexpr const char* kFileName = "Clueforge.window";
    // The blobs of a window with a few docks take a few hundred bytes.
    static constexpr qint64 kMaxFileBytes = 16 * 1024;
    static constexpr int kMinZoom = 25;
    static constexpr int kMaxZoom = 800;

    QByteArray geometry;  // empty: none stored, the first start
    QByteArray dockState; // empty: as the window builds them
    int zoomPercent = 100;

    // What device holds; unknown names and bad values are left at their defaults.
    void read(QIODevice& device);
    bool write(QIODevice& device) const;

    // folder + kFileName; a missing or unreadable file gives the defaults.
    void readFrom(const QString& folder);
    // Makes folder when missing.
    FileStatus writeTo(const QString& folder) const;
};
