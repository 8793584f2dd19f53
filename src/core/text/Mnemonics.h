#pragma once

#include <QByteArray>
#include <QString>

#include <type_traits>

// A menu or button caption as plain text: a '&' that marks the next letter as the mnemonic goes,
// "&&" is a literal '&'. Titles, messages, headings and filters built from captions use it, so
// a language file's mnemonics show only where Qt draws them.
template <typename Text> Text withoutMnemonics(const Text& caption) {
    Text out;
    out.reserve(caption.size());
    // '&' as the text's own character type: char for Windows-1251 bytes, QChar for Qt's text.
    using Char = std::remove_cvref_t<decltype(caption[0])>;
    const Char mark(u'&');
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == mark) {
            if (++i == caption.size())
                break;
        }
        out.append(caption[i]);
    }
    return out;
}
