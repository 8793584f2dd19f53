// The language dialog.
#include "app/language/LanguageDialog.h"

#include "app/Named.h"
#include "app/language/LanguageFile.h"
#include "text/CodePage.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool canList(const QString& programFolder) {
    const QDir folder(programFolder + QStringLiteral("Language"));
    return !programFolder.isEmpty() && folder.exists() && QFileInfo(folder.path()).isReadable();
}

QFileInfoList languageFilesIn(const QString& programFolder) {
    if (!canList(programFolder))
        return {};
    const QDir folder(programFolder + QStringLiteral("Language"));
    // System brings in dangling links, which stay unreadable like any file that cannot be
    // opened; pipes and devices are left out, since opening one may never return.
    return folder.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::System,
                                QDir::Name | QDir::IgnoreCase);
}

// The shipped files and the user's own, which take the place of shipped ones of their name.
QFileInfoList languageFiles(const AppState& state) {
    const QFileInfoList own = languageFilesIn(state.UserFolder);
    QFileInfoList files = own;
    for (const QFileInfo& shipped : languageFilesIn(state.ProgramFolder))
        if (std::none_of(own.begin(), own.end(),
                         [&](const QFileInfo& f) { return f.fileName() == shipped.fileName(); }))
            files.append(shipped);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    return files;
}

} // namespace

LanguageDialog::LanguageDialog(AppState& state, platform::Platform&, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(QStringLiteral("Select of language"));
    Label1 = named(new QLabel(QStringLiteral("List:"), this), "Label1");
    languageList = named(new QListWidget(this), "languageList");
    Label1->setBuddy(languageList);
    fileList = named(new QListWidget(this), "fileList");
    fileList->setAccessibleName(QStringLiteral("Language files"));
    fileList->hide();
    Inform = named(new QLabel(this), "Inform");
    OK = named(new QPushButton(QStringLiteral("OK"), this), "OK");
    OK->setDefault(true);
    NO = named(new QPushButton(QStringLiteral("Cancel"), this), "NO");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(languageList);
    layout->addWidget(fileList);
    layout->addWidget(Inform);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(NO);
    layout->addLayout(buttons);

    fillLists();

    connect(languageList, &QListWidget::itemSelectionChanged, this,
            &LanguageDialog::languageChosen);
    connect(languageList, &QListWidget::itemDoubleClicked, this, [this] { OK_Click(); });
    connect(OK, &QPushButton::clicked, this, &LanguageDialog::OK_Click);
    connect(NO, &QPushButton::clicked, this, &QDialog::reject);
}

void LanguageDialog::fillLists() {
    const AppState& state = state_;
    if (!canList(state.ProgramFolder) && !canList(state.UserFolder))
        return;
    for (const QFileInfo& info : languageFiles(state)) {
        if (!info.isFile() && !(info.isSymLink() && !info.exists()))
            continue;
        // The settings file keeps the name in Windows-1251; another name could not be reloaded.
        if (!cp1251::canEncode(info.fileName()))
            continue;
        fileList->addItem(info.fileName());
        if (const std::optional<QByteArray> name = readLanguageName(info.filePath())) {
            languageList->addItem(cp1251::toUnicode(*name));
            rowFile_.append(fileList->count() - 1);
        }
    }
    // Before any file has been loaded the entries are empty; the built-in captions stay.
    if (state.language.loaded) {
        setWindowTitle(cp1251::toUnicode(state.language.entry(LangEntry::ChooseLanguage)));
        Label1->setText(cp1251::toUnicode(state.language.entry(LangEntry::AvailableLanguages)));
        NO->setText(cp1251::toUnicode(state.language.entry(LangEntry::Cancel)));
    }
}

int LanguageDialog::selectedRow() const {
    const QList<QListWidgetItem*> selected = languageList->selectedItems();
    return selected.isEmpty() ? -1 : languageList->row(selected.first());
}

void LanguageDialog::languageChosen() {
    const int row = selectedRow();
    if (row < 0) {
        Inform->clear();
        return;
    }
    fileList->setCurrentRow(rowFile_[row]);
    Inform->setText(fileList->currentItem()->text());
}

void LanguageDialog::OK_Click() {
    const int row = selectedRow();
    chosenFile_ =
        row >= 0 ? cp1251::fromUnicode(fileList->item(rowFile_[row])->text()) : QByteArray();
    accept();
}
