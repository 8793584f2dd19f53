#pragma once

#include <QByteArray>

#include <array>

// Texts of our own that the numbered entries 1 to 75 do not have. Language files carry them as
// entries 101 and up; a file without them falls back to built-in English.
enum class OwnText : int {
    GridTooLarge = 101,
    PictureTooLarge = 102,
    CellSizeOutOfRange = 103,
    CellSizeTooLarge = 104,
    CellSizeReduced = 105, // followed by the new cell size
    // The locale of Qt's own translation for the standard dialogs ("ru", "en"; as QLocale
    // reads it); English, Qt's own texts, when absent.
    QtLocale = 106,
    // Filling the grid with the words of the lists, and the words that fit a slot.
    FillGrid = 107,      // menu item
    FillAgain = 108,     // menu item: another fill
    Filling = 109,       // the progress window's text
    Filled = 110,        // every slot has a word now
    NoWordFits = 111,    // followed by a slot's name, such as "12 across"
    NoFillExists = 112,  // the lists hold no fill of the grid
    NoFillInLimit = 113, // the search gave up without an answer either way
    SuggestWords = 114,  // menu item and the suggestions window's title
    NoSuggestions = 115, // the suggestions window without a word to offer
    HardestSlot = 116,   // no fill exists; followed by the slot the search failed at most
    // Printing, and the crossword as a PDF document or its grid as an SVG picture.
    Print = 117,          // menu item
    ExportPdf = 118,      // menu item
    ExportSvg = 119,      // menu item
    AnswersPage = 120,    // the options' check box
    AnswersHeading = 121, // the heading of the answers page
    EmptyGrid = 122,      // the SVG options: the grid with its numbers
    FilledGrid = 123,     // the SVG options: the grid with its answers
    NotPrinted = 124,     // the printer could not be painted on
    // The ipuz exchange format, and conversions from the command line.
    ExportIpuz = 125,              // menu item
    IpuzUnreadable = 126,          // not JSON, too large or too deep, or not a crossword
    IpuzTooLarge = 127,            // dimensions beyond the program's limits
    IpuzNotRectangular = 128,      // rows of another count or length than the dimensions
    IpuzBarred = 129,              // bars between cells
    IpuzRebus = 130,               // followed by the cell, "3, 5"
    IpuzCellCharacter = 131,       // followed by the cell and the letter, "3, 5: «ǅ»"
    IpuzTextCharacter = 132,       // followed by where and the character, "12 across: «≠»"
    IpuzUnmatchedClues = 133,      // followed by the clues, "12 across, 14 down"
    IpuzNoWords = 134,             // a grid without a slot
    ConvertUsage = 135,            // the command line's usage
    ConvertUnknownType = 136,      // followed by the file
    ConvertNeedsPassword = 137,    // saving a crossword file from the command line
    InTheTitle = 138,              // the title as where a fault lies, after "in"
    InTheAuthor = 139,             // the author as where a fault lies, after "in"
    IpuzWrongValue = 143,          // followed by where: a number or object given for a text
    InTheCell = 144,               // a cell as where a fault lies, followed by "3, 5"
    FileTooLarge = 156,            // an ipuz or language file; followed by the limit in MB
    IpuzTooDeep = 157,             // followed by the limit
    ConvertPasswordRequired = 158, // answers of a crossword with a password, without it
    ConvertBadPassword = 159,      // a password the crossword file cannot hold
    // Undo and redo.
    editMenu = 140, // the menu after File
    Undo = 141,     // menu item
    Redo = 142,     // menu item

    // The keyboard's cursor cell as assistive technology reads it.
    CellRow = 145,    // followed by the row's number
    CellColumn = 146, // followed by the column's number
    CellBlack = 147,
    CellWhite = 148,
    CellNumber = 149, // followed by the slot number starting there

    // The clue list beside the grid, and stable names for screen readers.
    Clues = 150,     // the list's title, its menu item and its accessible name
    Solved = 151,    // a solved word in the list, as a screen reader reads it
    WordCount = 152, // the accessible name of the word count label
    // The File menu's submenu of the crosswords and answers files last opened or saved.
    RecentFiles = 155,
    // The crossword as a web page to solve in a browser: the menu item and the page's words.
    WebPageExport = 164,  // menu item
    WebCheckLetter = 165, // the page's buttons
    WebCheckWord = 166,
    WebCheckAll = 167,
    WebRevealLetter = 168,
    WebRevealWord = 169,
    WebChecks = 170,         // followed by how many checks the solver made
    WebRevealed = 171,       // followed by how many letters were revealed
    WebTime = 172,           // the timer's name
    WebSolved = 173,         // the crossword is solved
    WebWrongLetters = 174,   // followed by how many letters a check found wrong
    WebNoWrongLetters = 175, // a check found nothing wrong
    WebLetterEntry = 176,    // the name of the box a phone types into
    WebStartAgain = 177,     // button
    WebStartAgainQuestion = 178,
    WebGrid = 179,      // the grid's name for screen readers
    WebPrint = 180,     // button
    WebNoAnswers = 181, // a page of a crossword without answers cannot check
    WebPages = 183,     // the save dialog's filter
    WebTools = 184,     // the name of the page's row of buttons
    // Solving in the window: hints, the time and what the solved message says.
    RevealLetter = 185,    // menu item
    RevealWord = 186,      // menu item
    SolvingTime = 187,     // followed by the time, "4:05"
    LettersRevealed = 188, // followed by how many letters hints gave
    WordsRevealed = 189,   // followed by how many words hints gave
    Revealed = 190,        // a word a hint gave, in the list, as a screen reader reads it
    // The status bar's name of the mode.
    StatusDrawing = 191,
    StatusAuthoring = 192,
    StatusSolving = 193,
    // Letters typed in the grid over a slot that holds a word.
    ReplaceWord = 194,
    // The View menu: how large the grid shows.
    ViewMenu = 195,
    ZoomIn = 196,
    ZoomOut = 197,
    ActualSize = 198,
    FitToWindow = 199,
};

// The numbered entries of a language file, named for what each text is. 23 is not used; 0 is
// no entry (its text is empty).
enum class LangEntry : int {
    None = 0,
    HelpFile = 1,    // the help file's name
    ProgramName = 2, // message box title
    FileMenu = 3,    // also opens the file failure messages
    OpenAnswers = 4,
    Save = 5,
    SaveAs = 6,
    Exit = 7,
    CrosswordMenu = 8, // also the crossword files' filter and the page heading
    NewCrossword = 9,
    OpenCrossword = 10,
    ChangeCrossword = 11,
    FinishGrid = 12,
    Properties = 13,
    FindWords = 14,
    DeleteAnswer = 15,
    ExportHtml = 16,
    OptionsMenu = 17,
    CellAndFontSize = 18,
    ClassicStyle = 19,
    RightToLeftStyle = 20,
    HelpMenu = 21,
    ViewHelp = 22,
    AboutProgram = 24,
    NewCrosswordTitle = 25, // the new crossword dialog's title
    NewCrosswordPrompt = 26,
    Columns = 27,
    Rows = 28,
    NoAnswers = 29,
    Cancel = 30,
    Password = 31,
    WrongPassword = 32,
    IncompleteNeedsPassword = 33,
    WrongAnswer = 34,
    Title = 35,
    Author = 36,
    ConfirmPassword = 37,
    Found = 38, // followed by the number of words found
    PatternPrompt = 39,
    MatchingWords = 40,
    PatternTooLong = 41,
    CellSize = 42,
    NumberSize = 43,
    LetterFont = 44,
    Preview = 45,
    ChooseLanguage = 46,
    AvailableLanguages = 47,
    CaptionStart = 48, // the window caption before the mode's words
    DrawingGrid = 49,
    EnteringWords = 50,
    WordNumberOrAnswer = 51,
    Clue = 52,
    Answer = 53,
    Words = 54, // followed by a word count
    By = 55,    // between a crossword's title and its author
    AllSolved = 56,
    AnswersFiles = 57, // the answers files' filter
    AlreadyExists = 58,
    ReplaceQuestion = 59,
    AccessDenied = 60, // after a file's name
    NotWritten = 61,   // after a file's name
    NotFound = 62,     // after a file's name
    NotOpened = 63,    // after a file's name
    NoWords = 64,
    Statistics = 65,
    Symmetry = 66,
    Across = 67,
    Down = 68,
    Cell = 69, // followed by the pointer's cell
    SaveChangesQuestion = 70,
    SaveAnswersQuestion = 71,
    LetterMismatch = 72,
    Clear = 73,
    Letters = 74, // followed by a letter count
    DictionaryHint = 75,
};

constexpr int entryNumber(LangEntry e) {
    return static_cast<int>(e);
}

// The user-interface texts of the loaded language file, in Windows-1251.
//
// Entries 1 to 24 and 48 to 75 are replaced as a whole by every load (an entry the file lacks
// becomes empty); entries 25 to 47 are the dialogs' table and keep the text of an earlier file
// when the new one lacks them. Our own texts 101 to 199 are replaced by every load as well.
struct Language {
    static constexpr int kLastEntry = 75;
    static constexpr int kFirstOwn = 101;
    static constexpr int kLastOwn = 199;
    static constexpr int kFirstKept = 25;
    static constexpr int kLastKept = 47;

    QByteArray name;
    bool loaded = false;                              // whether any file has been loaded yet
    std::array<QByteArray, kLastEntry + 1> entries{}; // index = entry number; 0 unused
    std::array<QByteArray, kLastOwn - kFirstOwn + 1> own{};

    // Entry n, empty outside 1 to 75.
    QByteArray entry(int n) const;
    QByteArray entry(LangEntry e) const { return entry(entryNumber(e)); }
    // What a menu, label or button captioned by entry n shows now, as plain text: the entry
    // once a file has been loaded, the built-in Russian caption before that. The captions of
    // menus and buttons (3 to 24, 53 and 73) lose their mnemonic marks.
    QByteArray caption(int n) const;
    QByteArray caption(LangEntry e) const { return caption(entryNumber(e)); }
    // Our own text, from the file when it has it, otherwise the built-in English.
    QByteArray ownText(OwnText which) const;
    // A label's caption as a heading or a name: without its colon.
    QByteArray withoutColon(LangEntry e) const;
    // The across (0) or down (1) caption as a heading.
    QByteArray heading(int direction) const;
    // A slot in running text, "12 across": the across and down captions without their colon,
    // in small letters.
    QByteArray slotName(int number, int direction) const;

    // The crossword file dialogs' filter: the crossword menu's caption and "*.cfw", then all
    // files; NUL-separated pairs.
    QByteArray crosswordFileFilter() const;
    // The answers file dialogs' filter, named by AnswersFiles.
    QByteArray AnswersFileFilter() const;
    // Asked after a path before an existing file is replaced: " " + AlreadyExists + CR LF +
    // ReplaceQuestion.
    QByteArray OverwriteQuestion() const;
};

// The caption a control carries before any language file is loaded, for the entries that have
// one (3 to 22, 24, 53, 65 to 69 and 73); empty for the others.
QByteArray builtInCaption(int entry);

QByteArray builtInOwnText(OwnText which);
