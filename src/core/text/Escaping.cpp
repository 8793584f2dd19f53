#include "text/Escaping.h"

namespace escape {

namespace {

// The entity for c in markup, or nothing for a character that stands for itself.
const char* entity(char16_t c, bool quotes) {
    switch (c) {
    case u'&':
        return "&amp;";
    case u'<':
        return "&lt;";
    case u'>':
        return "&gt;";
    case u'"':
        return quotes ? "&quot;" : nullptr;
    case u'\'':
        return quotes ? "&#39;" : nullptr;
    default:
        return nullptr;
    }
}

QString markup(const QString& text, bool quotes) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (const char* e = entity(c.unicode(), quotes))
            out += QLatin1StringView(e);
        else
            out += isControl(c.unicode()) ? QChar(u' ') : c;
    }
    return out;
}

} // namespace

QByteArray xml(const QString& text) {
    return markup(text, true).toUtf8();
}

QByteArray html(const QByteArray& cp1251Text) {
    QByteArray out;
    out.reserve(cp1251Text.size());
    for (const char c : cp1251Text) {
        const auto u = static_cast<unsigned char>(c);
        if (const char* e = entity(u, true))
            out += e;
        else
            out += isControl(u) ? ' ' : c;
    }
    return out;
}

QString withoutControls(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (isControl(c.unicode()))
            c = QChar(u' ');
    return out;
}

QString ipuz(const QString& text) {
    return markup(text, false);
}

} // namespace escape
