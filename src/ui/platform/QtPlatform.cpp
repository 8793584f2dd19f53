// The platform services through Qt: message boxes, file and font dialogs, the shell opener.
#include "platform/QtPlatform.h"

#include "platform/PrintSvg.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

QString qtFileFilter(const QString& nulSeparated) {
    const QStringList parts = nulSeparated.split(QChar(0));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        // Qt reads the patterns from the last parenthesised group of the description.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QPageLayout defaultPrintLayout() {
    constexpr qreal kMarginMm = 15;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

Answer QtPlatform::messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
                              Buttons buttons, Answer defaultButton) {
    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(icon == Icon::Warning    ? QMessageBox::Warning
                : icon == Icon::Critical ? QMessageBox::Critical
                                         : QMessageBox::Information);
    auto standard = [](Answer a) {
        switch (a) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
            break;
        }
        return QMessageBox::Ok;
    };
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    if (QAbstractButton* def = box.button(standard(defaultButton)))
        box.setDefaultButton(qobject_cast<QPushButton*>(def));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        break;
    }
    return buttons == Buttons::YesNoCancel ? Answer::Cancel
           : buttons == Buttons::YesNo     ? Answer::No
                                           : Answer::Ok;
}

QString QtPlatform::getOpenFileName(QWidget* parent, const QString& title,
                                    const QString& initialFolder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, initialFolder, qtFileFilter(filter));
}

QString QtPlatform::getSaveFileName(QWidget* parent, const QString& title,
                                    const QString& initialFolder, const QString& defaultName,
                                    const QString& filter) {
    // The program asks its own overwrite question, so the dialog must not ask a second one.
    const QString start =
        defaultName.isEmpty() ? initialFolder : QDir(initialFolder).filePath(defaultName);
    return QFileDialog::getSaveFileName(parent, title, start, qtFileFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtPlatform::chooseFont(QWidget* parent, FontChoice& font) {
    // Qt's font dialog has no colour, so it is shown inside a dialog of ours with a colour button.
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontDialog"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QFont initial(font.family, font.pointSize);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    initial.setUnderline(font.underline);
    initial.setStrikeOut(font.strikeOut);
    fonts->setCurrentFont(initial);
    layout->addWidget(fonts);

    QColor color = font.color;
    auto* row = new QHBoxLayout;
    auto* colorButton = new QPushButton(QObject::tr("Colour..."), &dialog);
    colorButton->setObjectName(QStringLiteral("FontColour"));
    auto showColor = [&] {
        colorButton->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(color.name()));
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen = QColorDialog::getColor(color, &dialog);
        if (chosen.isValid()) {
            color = chosen;
            showColor();
        }
    });
    row->addWidget(colorButton);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    row->addWidget(buttons);
    layout->addLayout(row);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = fonts->currentFont();
    font.family = chosen.family();
    font.pointSize = chosen.pointSize() > 0 ? chosen.pointSize() : font.pointSize;
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikeOut = chosen.strikeOut();
    font.color = color;
    return true;
}

int QtPlatform::runDialog(QDialog& dialog) {
    return dialog.exec();
}

PrintResult QtPlatform::print(QWidget* parent, const QString& documentName,
                              const std::function<bool(QPagedPaintDevice&)>& paint) {
    switch (printsvg::printWithPreview(parent, documentName, defaultPrintLayout(), paint)) {
    case 0:
        return PrintResult::Printed;
    case 1:
        return PrintResult::Cancelled;
    default: // failed, or the printing module could not be loaded
        return PrintResult::Failed;
    }
}

void QtPlatform::openDocument(const QString& target, const QString& workingFolder) {
    const QUrl asUrl(target, QUrl::StrictMode);
    if (asUrl.isValid() && asUrl.scheme().size() > 1) { // "C:" is a drive, not a scheme
        QDesktopServices::openUrl(asUrl);
        return;
    }
    QString path = target;
    if (QDir::isRelativePath(path))
        path = QDir(workingFolder).filePath(path);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::setLanguage(const QString& locale) {
    translator_.reset();
    // QLocale reads the name (an unknown one is the C locale, which has no file) and tries
    // "ru_RU" before "ru"; English needs no translation.
    auto translator = std::make_unique<QTranslator>();
    const QLocale wanted(locale);
    if (wanted.language() == QLocale::English || wanted.language() == QLocale::C ||
        !translator->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
}

} // namespace platform
