#include "app/language/Language.h"

QByteArray Language::entry(int n) const {
    if (n < 1 || n > kLastEntry)
        return {};
    return entries[static_cast<std::size_t>(n)];
}

QByteArray Language::ownText(OwnText which) const {
    const int n = static_cast<int>(which);
    if (n >= kFirstOwn && n <= kLastOwn) {
        const QByteArray& loaded = own[static_cast<std::size_t>(n - kFirstOwn)];
        if (!loaded.isEmpty())
            return loaded;
    }
    return builtInOwnText(which);
}

QByteArray builtInOwnText(OwnText which) {
    switch (which) {
    case OwnText::GridTooLarge:
        return "A crossword can have at most 250 columns and 250 rows.";
    case OwnText::PictureTooLarge:
        return "The grid would be too large to draw at this cell size. Choose fewer columns "
               "or rows, or a smaller cell size.";
    }
    return {};
}
