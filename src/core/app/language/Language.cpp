#include "app/language/Language.h"

#include "grid/GridLimits.h"
#include "text/CodePage.h"

namespace {

const char kAllFiles[] = "All Files (*.*)";

QByteArray filter(const QByteArray& description, const char* pattern) {
    QByteArray f = description + " (" + pattern + ')';
    f += '\0';
    f += pattern;
    f += '\0';
    f += kAllFiles;
    f += '\0';
    f += "*.*";
    return f;
}

} // namespace

QByteArray Language::entry(int n) const {
    if (n < 1 || n > kLastEntry)
        return {};
    return entries[static_cast<std::size_t>(n)];
}

QByteArray Language::caption(int n) const {
    return loaded ? entry(n) : builtInCaption(n);
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

QByteArray Language::KrossFileFilter() const {
    return filter(caption(8), "*.cfw");
}

QByteArray Language::AnswersFileFilter() const {
    return filter(entry(57), "*.otv");
}

QByteArray Language::OverwriteQuestion() const {
    return ' ' + entry(58) + "\r\n" + entry(59);
}

QByteArray builtInCaption(int entry) {
    struct BuiltIn {
        int entry;
        const char* utf8;
    };
    static constexpr BuiltIn kBuiltIn[] = {
        {3, "Файл"},
        {4, "Открыть ответы"},
        {5, "Сохранить"},
        {6, "Сохранить как..."},
        {7, "Выход"},
        {8, "Кроссворд"},
        {9, "Создать"},
        {10, "Открыть"},
        {11, "Изменить"},
        {12, "Решётка готова"},
        {13, "О кроссворде"},
        {14, "Поиск слов"},
        {15, "Удалить ответ"},
        {16, "Копировать в HTML Document"},
        {17, "Опции"},
        {18, "Размер клеток и шрифта"},
        {19, "Классический стиль"},
        {20, "Арабский стиль"},
        {21, "Справка"},
        {22, "Вызов справки"},
        {24, "О программе"},
        {53, "Введите ответ:"},
        {65, "Статистика:"},
        {66, "Симметричное выделение клеток"},
        {67, "По горизонтали:"},
        {68, "По вертикали:"},
        {69, "Координаты"},
        {73, "Очистить"},
    };
    for (const BuiltIn& b : kBuiltIn)
        if (b.entry == entry)
            return cp1251::fromUnicode(QString::fromUtf8(b.utf8));
    return {};
}

QByteArray builtInOwnText(OwnText which) {
    switch (which) {
    case OwnText::GridTooLarge:
        return "A crossword can have at most 250 columns and 250 rows.";
    case OwnText::PictureTooLarge:
        return "The grid would be too large to draw at this cell size. Choose fewer columns "
               "or rows, or a smaller cell size.";
    case OwnText::CellSizeOutOfRange:
        static_assert(gridlimits::kMaxCellSize == 100, "the texts name the largest cell size");
        return "The cell size must be a whole number of pixels from 1 to 100.";
    case OwnText::CellSizeTooLarge:
        return "At this cell size the grid would be too large to draw. Choose a smaller cell "
               "size.";
    case OwnText::CellSizeReduced:
        return "This crossword is too large to draw at the chosen cell size. The cell size is "
               "now";
    case OwnText::QtLocale:
        return "en";
    }
    return {};
}
