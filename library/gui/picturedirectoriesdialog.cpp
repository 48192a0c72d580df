#include "picturedirectoriesdialog.h"

#include "filechooser.h"
#include "linguist.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

PictureDirectoriesDialog::PictureDirectoriesDialog(QWidget *parent)
    : QDialog(parent)
    , m_directoryListWidget(new QListWidget(this))
    , m_addPushButton(new QPushButton(tr("Add"), this))
    , m_editPushButton(new QPushButton(tr("Edit"), this))
    , m_removePushButton(new QPushButton(tr("Remove"), this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    m_directoryListWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    setWindowTitle(tr("PictureDirectoriesDialogTitle"));
    initializeWidgets();
    initializeLayout();
}

QListWidget *PictureDirectoriesDialog::getDirectoryListWidget() const
{
    return m_directoryListWidget;
}

void PictureDirectoriesDialog::addDirectory()
{
    const QString directory = utils::AskFileName(
        {utils::FileQuestion::Directory, this, tr("SelectPictureDirectory"), QStringLiteral("."), QString()});
    if (directory.isEmpty() || entryWithText(directory))
        return;
    new QListWidgetItem(directory, m_directoryListWidget);
}

void PictureDirectoriesDialog::editDirectory()
{
    QListWidgetItem *entry = selectedEntry();
    if (!entry)
        return;
    const QString oldText = entry->text();
    bool accepted = false;
    const QString newText = QInputDialog::getText(this, tr("EditDirectoryDialogTitle"), tr("EditDirectoryDialogLabel"),
                                                  QLineEdit::Normal, oldText, &accepted);
    if (!accepted || newText.isEmpty() || newText == oldText)
        return;
    // Renamed to a directory that is listed already: the list keeps that entry
    // where it stands and drops the renamed one, so no directory is listed
    // twice.
    if (entryWithText(newText)) {
        delete entry;
        return;
    }
    if (QFileInfo(newText).isDir()) {
        entry->setText(newText);
        return;
    }
    QMessageBox warning(QMessageBox::Warning, tr("DirectoryDoesNotExistDialogTitle"), tr("DirectoryDoesNotExist"),
                        QMessageBox::Ok, this);
    warning.setInformativeText(newText);
    warning.exec();
}

void PictureDirectoriesDialog::removeDirectory()
{
    delete selectedEntry();
}

void PictureDirectoriesDialog::initializeWidgets()
{
    connect(m_addPushButton, &QPushButton::clicked, this, &PictureDirectoriesDialog::addDirectory);
    connect(m_editPushButton, &QPushButton::clicked, this, &PictureDirectoriesDialog::editDirectory);
    connect(m_removePushButton, &QPushButton::clicked, this, &PictureDirectoriesDialog::removeDirectory);
    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PictureDirectoriesDialog::initializeLayout()
{
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_addPushButton);
    buttons->addWidget(m_editPushButton);
    buttons->addWidget(m_removePushButton);
    buttons->addStretch();
    buttons->addWidget(m_okPushButton);
    buttons->addWidget(m_cancelPushButton);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_directoryListWidget);
    layout->addLayout(buttons);
}

QListWidgetItem *PictureDirectoriesDialog::selectedEntry() const
{
    const QList<QListWidgetItem *> selected = m_directoryListWidget->selectedItems();
    return selected.size() == 1 ? selected.first() : nullptr;
}

QListWidgetItem *PictureDirectoriesDialog::entryWithText(const QString &text) const
{
    for (int row = 0; row < m_directoryListWidget->count(); ++row) {
        QListWidgetItem *entry = m_directoryListWidget->item(row);
        if (entry->text() == text)
            return entry;
    }
    return nullptr;
}
