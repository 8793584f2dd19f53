// The ipuz exchange format (being written).
#include "ipuz/IpuzFile.h"

#include "app/language/Language.h"
#include "grid/CrosswordDocument.h"

namespace ipuz {

ReadProblem readIpuz(QIODevice&, CrosswordDocument&) {
    ReadProblem p;
    p.kind = ReadProblem::Kind::Unreadable;
    return p;
}

ReadProblem readIpuzFile(const QString&, CrosswordDocument&) {
    ReadProblem p;
    p.kind = ReadProblem::Kind::OpenFailed;
    return p;
}

QByteArray ipuzBytes(const CrosswordDocument&) {
    return {};
}

bool writeIpuz(QIODevice&, const CrosswordDocument&) {
    return false;
}

FileStatus writeIpuzFile(const QString&, const CrosswordDocument&) {
    return FileStatus::WriteFailed;
}

QByteArray problemText(const Language&, const ReadProblem&) {
    return {};
}

} // namespace ipuz
