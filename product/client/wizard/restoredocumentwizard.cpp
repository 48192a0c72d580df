#include "restoredocumentwizard.h"

#include <QWizardPage>

RestoreDocumentWizard::RestoreDocumentWizard(QWidget *parent)
    : QWizard(parent)
{
    addPage(new QWizardPage(this));
}

qorv::data::Document RestoreDocumentWizard::getDocument() const
{
    return m_document;
}

int RestoreDocumentWizard::getDocumentFolderId() const
{
    return m_documentFolderId;
}

void RestoreDocumentWizard::setChoice(const qorv::data::Document &document, int folderId)
{
    m_document = document;
    m_documentFolderId = folderId;
}
