#include "picturedirectoriesdialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

PictureDirectoriesDialog::PictureDirectoriesDialog(QWidget *parent)
    : QDialog(parent)
    , m_directoryListWidget(new QListWidget(this))
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *dialogLayout = new QVBoxLayout(this);
    dialogLayout->addWidget(m_directoryListWidget);
    dialogLayout->addWidget(buttons);
}

QListWidget *PictureDirectoriesDialog::getDirectoryListWidget() const
{
    return m_directoryListWidget;
}
