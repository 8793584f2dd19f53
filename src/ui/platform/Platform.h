#pragma once

#include <QColor>
#include <QPageLayout>
#include <QString>

#include <functional>

class QDialog;
class QPagedPaintDevice;
class QWidget;

// The desktop services the program asks for: message boxes, file and font dialogs, and the
// shell's default opener. The program holds one instance and passes it on; tests pass a fake.
namespace platform {

enum class Icon { Warning, Critical, Information };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };
enum class PrintResult { Printed, Cancelled, Failed };

struct FontChoice {
    QString family;
    int pointSize = 10; // whole points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
    bool operator==(const FontChoice&) const = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button pressed (Escape or the close box answer Cancel
    // with Yes/No/Cancel, No with Yes/No and Ok with Ok).
    virtual Answer messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
                              Buttons buttons, Answer defaultButton) = 0;

    // The Open and Save dialogs. filter is NUL-separated pairs of description and patterns,
    // "Crossword (*.cfw)\0*.cfw\0All Files (*.*)\0*.*". Returns the chosen path or "".
    virtual QString getOpenFileName(QWidget* parent, const QString& title,
                                    const QString& initialFolder, const QString& filter) = 0;
    virtual QString getSaveFileName(QWidget* parent, const QString& title,
                                    const QString& initialFolder, const QString& defaultName,
                                    const QString& filter) = 0;

    // The font dialog, preset to `font`; on OK it is updated and true returned.
    virtual bool chooseFont(QWidget* parent, FontChoice& font) = 0;

    // Runs one of the program's own dialogs modally; returns its result (QDialog::Accepted or
    // Rejected).
    virtual int runDialog(QDialog& dialog) = 0;

    // The print preview, with its page setup and its print button that opens the print dialog.
    // `paint` draws the pages on the device it is given, in that device's page size and
    // orientation, and says whether it could; it runs for the preview and again for the
    // printer. Failed when the printer could not be painted on.
    virtual PrintResult print(QWidget* parent, const QString& documentName,
                              const std::function<bool(QPagedPaintDevice&)>& paint) = 0;

    // Hands a file, folder or web address to the desktop's default program. The result is not
    // examined: the shell reports its own failures.
    virtual void openDocument(const QString& target, const QString& workingFolder) = 0;

    // The language of the standard dialogs' own texts (buttons, labels), as a locale name
    // such as "ru"; one without a translation leaves them in English.
    virtual void setLanguage(const QString& locale) = 0;
};

// The page a print starts with: A4 portrait with 15 mm margins.
QPageLayout defaultPrintLayout();

// "Desc (*.a)\0*.a\0All (*.*)\0*.*" → "Desc (*.a);;All (*.*)" for Qt's file dialogs.
QString qtFileFilter(const QString& nulSeparated);

} // namespace platform
