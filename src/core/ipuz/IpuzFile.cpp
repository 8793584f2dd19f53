// The ipuz exchange format (being written).
#include "ipuz/IpuzFile.h"

#include "app/language/Language.h"
#include "grid/CrosswordDocument.h"

namespace ipuz {

ReadProblem readIpuz(QIODevice&, CrosswordDocument&) {
    return {ReadProblem::Kind::Unreadable};
}

ReadProblem readIpuzFile(const QString&, CrosswordDocument&) {
    return {ReadProblem::Kind::OpenFailed};
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
