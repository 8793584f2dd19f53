// The text boxes' filter: drops control characters and what Windows-1251 cannot hold.
#include "words/Cp1251Validator.h"

#include "text/CodePage.h"

namespace {

bool keeps(QChar c) {
    return c.unicode() >= 0x20 && cp1251::fromUnicode(c.unicode()) >= 0;
}

} // namespace

QValidator::State Cp1251Validator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (keeps(input.at(i)))
            kept.append(input.at(i));
        else if (i < pos)
            --newPos;
    }
    input = kept;
    pos = newPos;
    return Acceptable;
}

void Cp1251Validator::fixup(QString& input) const {
    int pos = 0;
    validate(input, pos);
}
