// The recent files list as the user's machine holds it: whatever it reads must be a short list
// of distinct absolute paths that comes back unchanged through the file, and adding keeps it so.
#include "FuzzSupport.h"

#include "app/RecentFiles.h"

#include <QDir>
#include <QSet>

namespace {

void checkList(const RecentFiles& r) {
    if (r.paths().size() > RecentFiles::kMaxEntries)
        fuzzFailure("more entries than the list keeps");
    QSet<QString> seen;
    for (const QString& p : r.paths()) {
        if (!QDir::isAbsolutePath(p) || p.contains(QLatin1Char('\n')) || seen.contains(p))
            fuzzFailure("an unusable or repeated path read");
        seen.insert(p);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    RecentFiles r;
    r.read(in);
    checkList(r);

    FuzzInput back = writtenBy([&r](QIODevice& device) { return r.write(device); });
    RecentFiles again;
    again.read(back);
    if (again.paths() != r.paths())
        fuzzFailure("the list changed on the way through the file");

    if (!r.paths().isEmpty()) {
        const QString last = r.paths().back();
        r.add(last);
        if (r.paths().front() != last)
            fuzzFailure("an added path is not first");
        checkList(r);
    }
    return 0;
}
