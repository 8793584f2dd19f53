// Saving through a temporary file, and opening only what can be read to its end.
#include "files/FileCommon.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool unnamedTemporariesAllowed = true;

// Between the target's name and the random part of a temporary file of ours; what follows the
// random part is kTemporarySuffix. Nothing else of a user's is removed as stale.
constexpr QLatin1StringView kTemporaryMark("~clueforge-");
constexpr QLatin1StringView kTemporarySuffix(".tmp");
constexpr int kRandomChars = 8;

QString temporaryName(const QString& targetName) {
    static const char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString random;
    for (int i = 0; i < kRandomChars; ++i)
        random += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(62)]);
    return targetName + kTemporaryMark + random + kTemporarySuffix;
}

bool isTemporaryOf(const QString& name, const QString& targetName) {
    const qsizetype fixed = targetName.size() + kTemporaryMark.size();
    if (name.size() != fixed + kRandomChars + kTemporarySuffix.size() ||
        !name.startsWith(targetName + kTemporaryMark) || !name.endsWith(kTemporarySuffix))
        return false;
    for (qsizetype i = fixed; i < fixed + kRandomChars; ++i)
        if (!name.at(i).isLetterOrNumber() || name.at(i).unicode() > 0x7f)
            return false;
    return true;
}

// Temporary files that a save of the same target left when it was killed; one that is still
// being written holds a lock, and one of a later save is newer than this one.
void removeStaleTemporaries(const QDir& folder, const QString& targetName,
                            const QDateTime& saveStarted) {
    // Not through a name filter: the target's own name may hold * or [.
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& info : entries) {
        if (!isTemporaryOf(info.fileName(), targetName) || info.isSymLink() ||
            info.lastModified() >= saveStarted)
            continue;
        const QByteArray native = QFile::encodeName(info.absoluteFilePath());
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(native.constData());
        ::close(fd);
    }
}

// path with every symbolic link on it followed, as saving writes where a link points; empty
// when the links go round in a circle.
QString resolvedTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink(); ++depth) {
        if (depth == 40)
            return {};
        info.setFile(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

FileStatus statusOfCreateError(int error) {
    return error == ENOSPC || error == EDQUOT ? FileStatus::WriteFailed : FileStatus::AccessDenied;
}

// A temporary file beside the target, removed again unless it was renamed into place.
class TemporaryFile {
public:
    ~TemporaryFile() {
        if (named_)
            ::unlinkat(dirFd_, QFile::encodeName(name_).constData(), 0);
        if (fd_ >= 0)
            ::close(fd_);
        if (dirFd_ >= 0)
            ::close(dirFd_);
    }

    FileStatus create(const QString& folder, const QString& targetName) {
        // A folder that may be written but not listed still takes the file.
        dirFd_ = ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (dirFd_ < 0)
            return statusOfCreateError(errno);
        name_ = temporaryName(targetName);
#ifdef O_TMPFILE
        // Nothing is left behind by a save that is killed, where the file system has these.
        if (unnamedTemporariesAllowed) {
            fd_ = ::openat(dirFd_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (fd_ >= 0)
                return locked();
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
                return statusOfCreateError(errno);
        }
#endif
        for (int attempt = 0; attempt < 16; ++attempt) {
            fd_ = ::openat(dirFd_, QFile::encodeName(name_).constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd_ >= 0) {
                named_ = true;
                return locked();
            }
            if (errno != EEXIST)
                return statusOfCreateError(errno);
            name_ = temporaryName(targetName);
        }
        return FileStatus::AccessDenied;
    }

    int fd() const {
        return fd_;
    }

    // Puts the written file in target's place: the previous file stays whole until then.
    bool replace(const QString& target) {
        if (!named_) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
            if (::linkat(AT_FDCWD, self.constData(), dirFd_, QFile::encodeName(name_).constData(),
                         AT_SYMLINK_FOLLOW) != 0)
                return false;
            named_ = true;
        }
        // By path, not by folder: a folder moved away meanwhile is no place to save to.
        if (::renameat(dirFd_, QFile::encodeName(name_).constData(), AT_FDCWD,
                       QFile::encodeName(target).constData()) != 0)
            return false;
        named_ = false;
        return true;
    }

private:
    // Held until the file is closed, so that no other save takes it for a stale one, also
    // while it has a name on its way into place.
    FileStatus locked() {
        ::flock(fd_, LOCK_EX | LOCK_NB);
        return FileStatus::Ok;
    }

    int dirFd_ = -1;
    int fd_ = -1;
    QString name_;
    bool named_ = false;
};

} // namespace

void allowUnnamedTemporaryFiles(bool allowed) {
    unnamedTemporariesAllowed = allowed;
}

struct StagedSave::Staged {
    TemporaryFile temporary;
    QString target;
    QString path;
};

StagedSave::StagedSave() = default;
StagedSave::~StagedSave() = default;

FileStatus StagedSave::stage(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (path.isEmpty())
        return FileStatus::AccessDenied;
    const QDateTime started = QDateTime::currentDateTimeUtc();
    auto staged = std::make_unique<Staged>();
    staged->path = path;
    staged->target = resolvedTarget(path);
    if (staged->target.isEmpty())
        return FileStatus::AccessDenied;
    const QByteArray nativeTarget = QFile::encodeName(staged->target);
    struct stat existing {};
    const bool exists = ::stat(nativeTarget.constData(), &existing) == 0;
    // A device, pipe or folder is never replaced by a plain file.
    if (exists && (!S_ISREG(existing.st_mode) || ::access(nativeTarget.constData(), W_OK) != 0))
        return FileStatus::AccessDenied;

    const QFileInfo targetInfo(staged->target);
    removeStaleTemporaries(targetInfo.dir(), targetInfo.fileName(), started);
    TemporaryFile& temporary = staged->temporary;
    if (const FileStatus created = temporary.create(targetInfo.path(), targetInfo.fileName());
        created != FileStatus::Ok)
        return created;
    if (exists) {
        // Saving as root over another user's file leaves it theirs; where the owner cannot be
        // kept (an ordinary user) the file becomes the saver's, as any new file would.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            const int kept = ::fchown(temporary.fd(), existing.st_uid, existing.st_gid);
            static_cast<void>(kept);
        }
        ::fchmod(temporary.fd(), existing.st_mode & 07777);
    }

    QFile file;
    if (!file.open(temporary.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return FileStatus::WriteFailed;
    // Small writes only fill the buffer: emptying it may fail too (a full disk).
    const bool written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    if (!written || ::fdatasync(temporary.fd()) != 0)
        return FileStatus::WriteFailed;
    staged_.push_back(std::move(staged));
    return FileStatus::Ok;
}

FileStatus StagedSave::commit(QString* failedPath) {
    for (const std::unique_ptr<Staged>& staged : staged_)
        if (!staged->temporary.replace(staged->target)) {
            if (failedPath)
                *failedPath = staged->path;
            staged_.clear();
            return FileStatus::WriteFailed;
        }
    staged_.clear();
    return FileStatus::Ok;
}

FileStatus saveFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write) {
    StagedSave save;
    if (const FileStatus staged = save.stage(path, write); staged != FileStatus::Ok)
        return staged;
    return save.commit();
}

FileStatus openForReading(QFile& file, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(file.fileName());
    // Without waiting for a writer: a pipe would otherwise hold the program until one comes.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return QFileInfo::exists(file.fileName()) ? FileStatus::OpenFailed : FileStatus::NotFound;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileStatus::OpenFailed;
    }
    if (!S_ISREG(st.st_mode) || st.st_size > maxBytes ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return FileStatus::Unusable;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileStatus::OpenFailed;
    }
    return FileStatus::Ok;
}
