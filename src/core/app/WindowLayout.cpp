#include "app/WindowLayout.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

void WindowLayout::read(QIODevice& device) {
    *this = {};
    // Files over the limit are refused whole by readFrom; this is for other devices.
    for (const QByteArray& line : device.read(kMaxFileBytes).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray name = line.left(eq);
        const QByteArray value = line.mid(eq + 1).trimmed(); // a CR LF file too
        const auto blob = [&value] {
            const auto decoded =
                QByteArray::fromBase64Encoding(value, QByteArray::AbortOnBase64DecodingErrors);
            return decoded ? *decoded : QByteArray();
        };
        if (name == "geometry") {
            geometry = blob();
        } else if (name == "docks") {
            dockState = blob();
        } else if (name == "zoom") {
            bool ok = false;
            const int z = value.toInt(&ok);
            if (ok && z >= kMinZoom && z <= kMaxZoom)
                zoomPercent = z;
        }
    }
}

bool WindowLayout::write(QIODevice& device) const {
    const QByteArray text = "geometry=" + geometry.toBase64() + "\ndocks=" + dockState.toBase64() +
                            "\nzoom=" + QByteArray::number(zoomPercent) + '\n';
    return device.write(text) == text.size();
}

void WindowLayout::readFrom(const QString& folder) {
    QFile file(QDir(folder).filePath(QLatin1String(kFileName)));
    if (openForReading(file, kMaxFileBytes) == FileStatus::Ok)
        read(file);
    else
        *this = {};
}

FileStatus WindowLayout::writeTo(const QString& folder) const {
    QDir().mkpath(folder);
    return saveFileSafely(QDir(folder).filePath(QLatin1String(kFileName)),
                          [this](QIODevice& device) { return write(device); });
}
