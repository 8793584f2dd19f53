#pragma once

#include "app/language/Language.h"

#include <QByteArray>

#include <initializer_list>
#include <utility>

// Sets entries of `language` by name, as a loaded file would have them (Windows-1251).
inline void setEntries(Language& language,
                       std::initializer_list<std::pair<LangEntry, QByteArray>> texts) {
    for (const auto& [entry, text] : texts)
        language.entries[static_cast<std::size_t>(entryNumber(entry))] = text;
}
