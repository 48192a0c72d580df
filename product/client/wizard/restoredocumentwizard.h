#ifndef RESTOREDOCUMENTWIZARD_H
#define RESTOREDOCUMENTWIZARD_H

#include "document3.pb.h"

#include <QWizard>

// Stands in for the restore-document wizard until it lands: one empty page,
// and the chosen revision and target folder as whoever drives it sets them.
class RestoreDocumentWizard : public QWizard
{
    Q_OBJECT

public:
    explicit RestoreDocumentWizard(QWidget *parent = nullptr);

    qorv::data::Document getDocument() const;
    int getDocumentFolderId() const;

    void setChoice(const qorv::data::Document &document, int folderId);

private:
    qorv::data::Document m_document;
    int m_documentFolderId = 0;
};

#endif // RESTOREDOCUMENTWIZARD_H
