// The language dialog.
#include "app/language/frmLang.h"

#include "app/Named.h"
#include "app/language/LoadJazikM.h"
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

frmLang::frmLang(AppState& state, platform::Platform&, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmLang"));
    setWindowTitle(QStringLiteral("Select of language"));
    Label1 = named(new QLabel(QStringLiteral("List:"), this), "Label1");
    DirT = named(new QListWidget(this), "DirT");
    Label1->setBuddy(DirT);
    File = named(new QListWidget(this), "File");
    File->setAccessibleName(QStringLiteral("Language files"));
    File->hide();
    Inform = named(new QLabel(this), "Inform");
    OK = named(new QPushButton(QStringLiteral("OK"), this), "OK");
    OK->setDefault(true);
    NO = named(new QPushButton(QStringLiteral("Cancel"), this), "NO");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(DirT);
    layout->addWidget(File);
    layout->addWidget(Inform);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(NO);
    layout->addLayout(buttons);

    fillLists();

    connect(DirT, &QListWidget::itemSelectionChanged, this, &frmLang::DirT_Click);
    connect(DirT, &QListWidget::itemDoubleClicked, this, [this] { OK_Click(); });
    connect(OK, &QPushButton::clicked, this, &frmLang::OK_Click);
    connect(NO, &QPushButton::clicked, this, &QDialog::reject);
}

void frmLang::fillLists() {
    const AppState& state = state_;
    if (!canList(state.ProgramFolder) && !canList(state.UserFolder))
        return;
    for (const QFileInfo& info : languageFiles(state)) {
        if (!info.isFile() && !(info.isSymLink() && !info.exists()))
            continue;
        // The settings file keeps the name in Windows-1251; another name could not be reloaded.
        if (!cp1251::canEncode(info.fileName()))
            continue;
        File->addItem(info.fileName());
        if (const std::optional<QByteArray> name = readLanguageName(info.filePath())) {
            DirT->addItem(cp1251::toUnicode(*name));
            rowFile_.append(File->count() - 1);
        }
    }
    // Before any file has been loaded the entries are empty; the built-in captions stay.
    if (state.language.loaded) {
        setWindowTitle(cp1251::toUnicode(state.language.entry(LangEntry::ChooseLanguage)));
        Label1->setText(cp1251::toUnicode(state.language.entry(LangEntry::AvailableLanguages)));
        NO->setText(cp1251::toUnicode(state.language.entry(LangEntry::Cancel)));
    }
}

int frmLang::selectedRow() const {
    const QList<QListWidgetItem*> selected = DirT->selectedItems();
    return selected.isEmpty() ? -1 : DirT->row(selected.first());
}

void frmLang::DirT_Click() {
    const int row = selectedRow();
    if (row < 0) {
        Inform->clear();
        return;
    }
    File->setCurrentRow(rowFile_[row]);
    Inform->setText(File->currentItem()->text());
}

void frmLang::OK_Click() {
    const int row = selectedRow();
    chosenFile_ = row >= 0 ? cp1251::fromUnicode(File->item(rowFile_[row])->text()) : QByteArray();
    accept();
}
