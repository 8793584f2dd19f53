#include "app/language/Language.h"

#include "grid/GridLimits.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

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
    const QByteArray text = loaded ? entry(n) : builtInCaption(n);
    // Menus, buttons and the label with a buddy show '&' as a mnemonic; the other labels show
    // it as it is, and so do the texts made of their captions.
    const bool marked =
        (n >= entryNumber(LangEntry::FileMenu) && n <= entryNumber(LangEntry::AboutProgram)) ||
        n == entryNumber(LangEntry::Answer) || n == entryNumber(LangEntry::Clear);
    return marked ? withoutMnemonics(text) : text;
}

QByteArray Language::withoutColon(LangEntry e) const {
    QByteArray name = caption(e);
    while (name.endsWith(':') || name.endsWith(' '))
        name.chop(1);
    return name;
}

QByteArray Language::heading(int direction) const {
    return withoutColon(direction == 0 ? LangEntry::Across : LangEntry::Down);
}

QByteArray Language::slotName(int number, int direction) const {
    QByteArray name = heading(direction);
    if (name.isEmpty())
        name = direction == 0 ? "across" : "down";
    return QByteArray::number(number) + ' ' + cp1251::toLower(name);
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

QByteArray Language::crosswordFileFilter() const {
    return filter(caption(LangEntry::CrosswordMenu), "*.cfw");
}

QByteArray Language::AnswersFileFilter() const {
    return filter(entry(LangEntry::AnswersFiles), "*.otv");
}

QByteArray Language::OverwriteQuestion() const {
    return ' ' + entry(LangEntry::AlreadyExists) + "\r\n" + entry(LangEntry::ReplaceQuestion);
}

QByteArray builtInCaption(int entry) {
    struct BuiltIn {
        LangEntry entry;
        const char* utf8;
    };
    static constexpr BuiltIn kBuiltIn[] = {
        {LangEntry::FileMenu, "&Файл"},
        {LangEntry::OpenAnswers, "&Открыть ответы"},
        {LangEntry::Save, "&Сохранить"},
        {LangEntry::SaveAs, "Сохранить &как..."},
        {LangEntry::Exit, "В&ыход"},
        {LangEntry::CrosswordMenu, "&Кроссворд"},
        {LangEntry::NewCrossword, "&Создать"},
        {LangEntry::OpenCrossword, "&Открыть"},
        {LangEntry::ChangeCrossword, "&Изменить"},
        {LangEntry::FinishGrid, "Решётка готова"},
        {LangEntry::Properties, "О &кроссворде"},
        {LangEntry::FindWords, "&Поиск слов"},
        {LangEntry::DeleteAnswer, "&Удалить ответ"},
        {LangEntry::ExportHtml, "Копировать в &HTML Document"},
        {LangEntry::OptionsMenu, "&Опции"},
        {LangEntry::CellAndFontSize, "&Размер клеток и шрифта"},
        {LangEntry::ClassicStyle, "&Классический стиль"},
        {LangEntry::RightToLeftStyle, "&Арабский стиль"},
        {LangEntry::HelpMenu, "&Справка"},
        {LangEntry::ViewHelp, "&Вызов справки"},
        {LangEntry::AboutProgram, "&О программе"},
        {LangEntry::Answer, "Введите ответ:"},
        {LangEntry::Statistics, "Статистика:"},
        {LangEntry::Symmetry, "Симметричное выделение клеток"},
        {LangEntry::Across, "По горизонтали:"},
        {LangEntry::Down, "По вертикали:"},
        {LangEntry::Cell, "Координаты"},
        {LangEntry::Clear, "Очистить"},
    };
    for (const BuiltIn& b : kBuiltIn)
        if (entryNumber(b.entry) == entry)
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
    case OwnText::FillGrid:
        return "Fill &automatically";
    case OwnText::FillAgain:
        return "Fill a&gain";
    case OwnText::Filling:
        return "Filling the grid with words of the lists...";
    case OwnText::Filled:
        return "Every word of the grid is filled in.";
    case OwnText::NoWordFits:
        return "The grid cannot be filled: no word of the lists fits";
    case OwnText::NoFillExists:
        return "The grid cannot be filled with the words of the lists.";
    case OwnText::NoFillInLimit:
        return "No fill was found within the time allowed. Try again, or place a few words "
               "first.";
    case OwnText::SuggestWords:
        return "Sugges&t words";
    case OwnText::NoSuggestions:
        return "No word of the lists fits here and leaves every crossing word possible.";
    case OwnText::HardestSlot:
        return "The grid cannot be filled with the words of the lists. The search met a dead "
               "end most often at";
    case OwnText::Print:
        return "Pr&int...";
    case OwnText::ExportPdf:
        return "Export to &PDF...";
    case OwnText::ExportSvg:
        return "Export grid to S&VG...";
    case OwnText::AnswersPage:
        return "Answers on a separate last page";
    case OwnText::AnswersHeading:
        return "Answers";
    case OwnText::EmptyGrid:
        return "Empty grid with numbers";
    case OwnText::FilledGrid:
        return "Filled grid";
    case OwnText::NotPrinted:
        return "The crossword could not be printed.";
    case OwnText::ExportIpuz:
        return "Export to ip&uz...";
    case OwnText::IpuzUnreadable:
        return "The file is not an ipuz crossword the program can read.";
    case OwnText::IpuzTooLarge:
        return "The crossword in the file is larger than the program can hold.";
    case OwnText::IpuzNotRectangular:
        return "The grid in the file is not a rectangle of the size it gives.";
    case OwnText::IpuzBarred:
        return "Grids with bars between their cells cannot be carried over.";
    case OwnText::IpuzRebus:
        return "More than one letter in one cell (column, row):";
    case OwnText::IpuzCellCharacter:
        return "A letter the Windows-1251 code page cannot hold, in the cell (column, row)";
    case OwnText::IpuzTextCharacter:
        return "A character the Windows-1251 code page cannot hold, in";
    case OwnText::IpuzUnmatchedClues:
        return "Clues that match no word of the grid:";
    case OwnText::IpuzNoWords:
        return "The grid in the file has no word.";
    case OwnText::ConvertUsage:
        return "Usage: clueforge --convert IN OUT [--password TEXT] [--answers] [--web]. IN is a "
               ".cfw or .ipuz file, OUT a .cfw, .ipuz, .htm, .pdf or .svg file; with --web an "
               ".html or .htm page to solve in a browser.";
    case OwnText::ConvertUnknownType:
        return "This kind of file cannot be converted:";
    case OwnText::ConvertNeedsPassword:
        return "A crossword file is saved with a password: give it as --password TEXT (it may "
               "be empty).";
    case OwnText::InTheTitle:
        return "the title";
    case OwnText::InTheAuthor:
        return "the author";
    case OwnText::IpuzWrongValue:
        return "A value of the wrong kind (a number or object instead of a text) in";
    case OwnText::InTheCell:
        return "the cell (column, row)";
    case OwnText::FileTooLarge:
        return "The file is larger than the program reads, in MB:";
    case OwnText::IpuzTooDeep:
        return "The file's JSON is nested deeper than the program reads, in levels:";
    case OwnText::ConvertPasswordRequired:
        return "The crossword has a password: its answers are shown and it is saved again only "
               "with --password giving that password.";
    case OwnText::ConvertBadPassword:
        return "A password holds only characters of the Windows-1251 code page, at most 32767 "
               "of them.";
    case OwnText::editMenu:
        return "&Edit";
    case OwnText::Undo:
        return "&Undo";
    case OwnText::Redo:
        return "&Redo";
    case OwnText::CellRow:
        return "row";
    case OwnText::CellColumn:
        return "column";
    case OwnText::CellBlack:
        return "black cell";
    case OwnText::CellWhite:
        return "white cell";
    case OwnText::CellNumber:
        return "number";
    case OwnText::Clues:
        return "Cl&ues";
    case OwnText::Solved:
        return "solved";
    case OwnText::WordCount:
        return "Word count";
    case OwnText::RecentFiles:
        return "&Recent files";
    case OwnText::WebPageExport:
        return "Web page to &solve...";
    case OwnText::WebCheckLetter:
        return "Check letter";
    case OwnText::WebCheckWord:
        return "Check word";
    case OwnText::WebCheckAll:
        return "Check all";
    case OwnText::WebRevealLetter:
        return "Reveal letter";
    case OwnText::WebRevealWord:
        return "Reveal word";
    case OwnText::WebChecks:
        return "Checks:";
    case OwnText::WebRevealed:
        return "Revealed:";
    case OwnText::WebTime:
        return "Time";
    case OwnText::WebSolved:
        return "Solved! Well done.";
    case OwnText::WebWrongLetters:
        return "Wrong letters:";
    case OwnText::WebNoWrongLetters:
        return "No wrong letters.";
    case OwnText::WebLetterEntry:
        return "Letter";
    case OwnText::WebStartAgain:
        return "Start again";
    case OwnText::WebStartAgainQuestion:
        return "Clear every letter, the time and the counts?";
    case OwnText::WebGrid:
        return "Crossword grid";
    case OwnText::WebPrint:
        return "Print";
    case OwnText::WebNoAnswers:
        return "This crossword carries no answers: the page cannot check them.";
    case OwnText::WebPages:
        return "Web pages";
    case OwnText::WebTools:
        return "Checking and revealing";
    case OwnText::RevealLetter:
        return "Reveal &letter";
    case OwnText::RevealWord:
        return "Reveal &word";
    case OwnText::SolvingTime:
        return "Time:";
    case OwnText::LettersRevealed:
        return "Letters revealed:";
    case OwnText::WordsRevealed:
        return "Words revealed:";
    case OwnText::Revealed:
        return "revealed";
    case OwnText::StatusDrawing:
        return "Drawing the grid";
    case OwnText::StatusAuthoring:
        return "Writing words and clues";
    case OwnText::StatusSolving:
        return "Solving";
    case OwnText::ReplaceWord:
        return "This slot already holds a word. Replace it?";
    case OwnText::ViewMenu:
        return "&View";
    case OwnText::ZoomIn:
        return "Zoom &In";
    case OwnText::ZoomOut:
        return "Zoom &Out";
    case OwnText::ActualSize:
        return "&Actual Size";
    case OwnText::FitToWindow:
        return "&Fit to Window";
    }
    return {};
}
