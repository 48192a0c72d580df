#ifndef RESTOREDOCUMENTWIZARD_H
#define RESTOREDOCUMENTWIZARD_H

#include "document3.pb.h"

#include <QWizard>

// Stands in for the restore-document wizard until it lands: one empty page,
// and the chosen revision and target folder as whoever drives it sets them.
// Finished as it is, it has chosen nothing.
class RestoreDocumentWizard : public QWizard
{
    Q_OBJECT

public:
    // False while this is the stand-in: the console keeps its command
    // disabled, so nobody is offered a restore that cannot be done.
    static constexpr bool IsAvailable = false;

    explicit RestoreDocumentWizard(QWidget *parent = nullptr);

    qorv::data::Document getDocument() const;
    int getDocumentFolderId() const;

    void setChoice(const qorv::data::Document &document, int folderId);

private:
    qorv::data::Document m_document;
    int m_documentFolderId = 0;
};

#endif // RESTOREDOCUMENTWIZARD_H
