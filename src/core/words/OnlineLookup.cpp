#include "words/OnlineLookup.h"

namespace words {

QByteArray encodeLookupWord(QByteArrayView word) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(word.size() * 3);
    for (char c : word) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9')) {
            out.append(c);
        } else if (b == ' ') {
            out.append('+');
        } else {
            out.append('%');
            out.append(kHex[b >> 4]);
            out.append(kHex[b & 0x0F]);
        }
    }
    return out;
}

QString lookupAddress(QByteArrayView word) {
    return QLatin1String(kLookupAddress) + QLatin1String(encodeLookupWord(word));
}

} // namespace words
