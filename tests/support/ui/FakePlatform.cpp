#include "support/ui/FakePlatform.h"

#include <QPrinter>

FakePlatform::~FakePlatform() {
    if (!dialogs.empty())
        ADD_FAILURE() << dialogs.size() << " scripted dialog(s) never shown";
}

platform::Answer FakePlatform::messageBox(QWidget*, const QString& text, const QString& title,
                                          platform::Icon icon, platform::Buttons buttons,
                                          platform::Answer defaultButton) {
    messages.append({text, title, icon, buttons, defaultButton});
    if (answers.empty())
        return defaultButton;
    const platform::Answer a = answers.front();
    answers.pop_front();
    return a;
}

QString FakePlatform::getOpenFileName(QWidget*, const QString& title, const QString& initialFolder,
                                      const QString& filter) {
    fileDialogs.append({false, title, initialFolder, QString(), filter});
    if (paths.empty())
        return {};
    const QString p = paths.front();
    paths.pop_front();
    return p;
}

QString FakePlatform::getSaveFileName(QWidget*, const QString& title, const QString& initialFolder,
                                      const QString& defaultName, const QString& filter) {
    fileDialogs.append({true, title, initialFolder, defaultName, filter});
    if (paths.empty())
        return {};
    const QString p = paths.front();
    paths.pop_front();
    return p;
}

bool FakePlatform::chooseFont(QWidget*, platform::FontChoice& font) {
    fontDialogs.append(font);
    if (fonts.empty())
        return false;
    const std::optional<platform::FontChoice> f = fonts.front();
    fonts.pop_front();
    if (!f)
        return false;
    font = *f;
    return true;
}

void FakePlatform::openDocument(const QString& target, const QString& workingFolder) {
    opened.append({target, workingFolder});
}

int FakePlatform::runDialog(QDialog& dialog) {
    ranDialogs.append(dialog.objectName());
    if (dialogs.empty()) {
        ADD_FAILURE() << "unscripted dialog " << dialog.metaObject()->className();
        return QDialog::Rejected;
    }
    const std::function<int(QDialog&)> handler = std::move(dialogs.front());
    dialogs.pop_front();
    dialog.setResult(0); // as exec() starts
    dialog.show();
    const int result = handler(dialog);
    dialog.hide();
    return result;
}

platform::PrintResult FakePlatform::print(QWidget*, const QString& documentName,
                                          const std::function<bool(QPagedPaintDevice&)>& paint) {
    printed.append(documentName);
    if (printTo.empty())
        return platform::PrintResult::Cancelled;
    const QString path = printTo.front();
    printTo.pop_front();
    if (path.isEmpty())
        return platform::PrintResult::Cancelled;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(platform::defaultPrintLayout());
    printer.setDocName(documentName);
    return paint(printer) ? platform::PrintResult::Printed : platform::PrintResult::Failed;
}
