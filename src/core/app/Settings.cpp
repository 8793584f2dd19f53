#include "app/Settings.h"

#include "files/FileCommon.h"
#include "grid/GridLimits.h"
#include "text/SequentialText.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// "True"/"False" in any case, or a number (zero is false); anything else is no Boolean.
std::optional<bool> booleanOf(const QByteArray& field) {
    const QByteArray lower = field.trimmed().toLower();
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    bool ok = false;
    const double v = lower.toDouble(&ok);
    if (ok)
        return v != 0;
    return std::nullopt;
}

void readBoolean(seqtext::SequentialReader& in, bool& target) {
    if (const auto field = in.readTextField())
        if (const auto b = booleanOf(*field))
            target = *b;
}

void readInt(seqtext::SequentialReader& in, int& target) {
    if (const auto v = in.readInt32Field())
        target = *v;
}

bool isNullDevice(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode) &&
           st.st_rdev == makedev(1, 3);
}

} // namespace

void readSettings(QIODevice& device, Settings& settings) {
    // Twelve fields of at most 4096 bytes; nothing further is read.
    seqtext::SequentialReader in(device, 4096, 64 * 1024);
    const auto version = in.readTextField();
    if (!version || *version != Settings::kVersion)
        return;

    const Settings defaults;
    Settings s = settings;
    if (const auto f = in.readTextField())
        s.LanguageFileName = *f;
    if (const auto f = in.readTextField())
        s.LetterFontName = *f;
    readInt(in, s.LetterFontSize);
    readBoolean(in, s.LetterFontBold);
    readBoolean(in, s.LetterFontItalic);
    readBoolean(in, s.LetterFontUnderline);
    readInt(in, s.LetterColor);
    readInt(in, s.CellSize);
    readInt(in, s.NumberSize);
    readInt(in, s.ChosenStyle);
    readBoolean(in, s.PrintAnswers);

    // A hand-edited file must not give the drawing code values it cannot use.
    if (!gridlimits::cellSizeAllowed(s.CellSize))
        s.CellSize = defaults.CellSize;
    if (s.NumberSize < 1 || s.NumberSize > 3)
        s.NumberSize = defaults.NumberSize;
    if (s.ChosenStyle != 0 && s.ChosenStyle != 1)
        s.ChosenStyle = defaults.ChosenStyle;
    if (s.LetterFontSize < 1 || s.LetterFontSize > 400)
        s.LetterFontSize = defaults.LetterFontSize;
    if (s.LetterColor < 0 || s.LetterColor > 0xFFFFFF)
        s.LetterColor = defaults.LetterColor;
    settings = s;
}

void readSettingsFile(const QString& programFolder, Settings& settings) {
    QFile file(programFolder + QLatin1String(Settings::kFileName));
    if (openForReading(file) != FileStatus::Ok)
        return;
    readSettings(file, settings);
}

bool writeSettings(QIODevice& device, const Settings& s) {
    seqtext::SequentialWriter out(device);
    out.writeTextLine(Settings::kVersion);
    out.writeTextLine(s.LanguageFileName);
    out.writeTextLine(s.LetterFontName);
    out.writeNumberLine(s.LetterFontSize);
    out.writeBooleanLine(s.LetterFontBold);
    out.writeBooleanLine(s.LetterFontItalic);
    out.writeBooleanLine(s.LetterFontUnderline);
    out.writeNumberLine(s.LetterColor);
    out.writeNumberLine(s.CellSize);
    out.writeNumberLine(s.NumberSize);
    out.writeNumberLine(s.ChosenStyle);
    if (s.PrintAnswers)
        out.writeBooleanLine(true);
    return out.finish();
}

SettingsWriteResult writeSettingsFile(const QString& programFolder, const Settings& settings) {
    const QString path = programFolder + QLatin1String(Settings::kFileName);
    const QFileInfo target(path);
    // A settings file linked to /dev/null is a request to keep nothing.
    if (isNullDevice(path))
        return SettingsWriteResult::Ok;
    const auto write = [&settings](QIODevice& device) { return writeSettings(device, settings); };
    const FileStatus status = saveFileSafely(path, write);
    if (status == FileStatus::Ok)
        return SettingsWriteResult::Ok;
    if (status != FileStatus::AccessDenied)
        return SettingsWriteResult::Failed;
    // A read-only program folder takes no temporary file, but the settings file itself may be
    // writable: it is small and rewritten at every exit, so it is written in place.
    if (target.isFile() && target.isWritable()) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && write(file) && file.flush()
                   ? SettingsWriteResult::Ok
                   : SettingsWriteResult::Failed;
    }
    // Only a file or folder that refuses writing counts as denied access here; a missing
    // program folder is reported as a plain failure.
    const QFileInfo folder(programFolder);
    const bool denied = target.isDir() || (target.exists() && !target.isFile()) ||
                        (target.exists() && !target.isWritable()) ||
                        (folder.isDir() && !folder.isWritable());
    return denied ? SettingsWriteResult::AccessDenied : SettingsWriteResult::Failed;
}
