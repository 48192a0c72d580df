#include "selectdocumentsdialog.h"

#include "selectdocumentswidget.h"
#include "utils.h"

#include "documents3.pb.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

SelectDocumentsDialog::SelectDocumentsDialog(QWidget *parent)
    : QDialog(parent)
    , m_selectDocumentsWidget(new SelectDocumentsWidget(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset))
{
    setWindowTitle(tr("SelectDocumentsDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("documents_empty.png"));
    setMinimumSize(800, 600);

    auto *line = new QFrame;
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumHeight(10);

    auto *layout = new QVBoxLayout;
    layout->addLayout(m_selectDocumentsWidget->getLayout());
    layout->addWidget(line);
    layout->addWidget(m_buttonBox);
    setLayout(layout);

    connect(m_selectDocumentsWidget, &SelectDocumentsWidget::setMode, this, &SelectDocumentsDialog::setMode);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttonBox->button(QDialogButtonBox::Reset), &QPushButton::clicked, m_selectDocumentsWidget,
            &SelectDocumentsWidget::init);
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void SelectDocumentsDialog::setUserId(int userId)
{
    m_selectDocumentsWidget->setUserId(userId);
}

void SelectDocumentsDialog::addDocument(const qorv::data::Document &document)
{
    m_selectDocumentsWidget->addDocument(document);
}

void SelectDocumentsDialog::addExcludedDocument(int documentId)
{
    m_selectDocumentsWidget->addExcludedDocument(documentId);
}

qorv::data::Documents SelectDocumentsDialog::selectedDocuments() const
{
    return m_selectDocumentsWidget->selectedDocuments();
}

void SelectDocumentsDialog::init()
{
    m_selectDocumentsWidget->init();
}

void SelectDocumentsDialog::setMode(int mode)
{
    if (mode == m_selectDocumentsWidget->modeId(SelectDocumentsWidget::RemovedNoDocumentLeft))
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    else if (mode == m_selectDocumentsWidget->modeId(SelectDocumentsWidget::SelectedDocumentsGrew))
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
}
