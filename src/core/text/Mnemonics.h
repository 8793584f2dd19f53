#pragma once

#include <QByteArray>
#include <QString>

// A menu or button caption as plain text: a '&' that marks the next letter as the mnemonic goes,
// "&&" is a literal '&'. Titles, messages, headings and filters built from captions use it, so
// a language file's mnemonics show only where Qt draws them.
template <typename Text> Text withoutMnemonics(const Text& caption) {
    Text out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (++i == caption.size())
                break;
        }
        out.append(caption[i]);
    }
    return out;
}
