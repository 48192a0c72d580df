#ifndef RESTOREDOCUMENTWIZARD_H
#define RESTOREDOCUMENTWIZARD_H

#include "dbid.h"

#include "document3.pb.h"
#include "folder3.pb.h"

#include <QString>
#include <QWizard>

#include <string>

class RestoreDocumentIntroductionWizardPage;
class RestoreDocumentSelectDocumentWizardPage;
class RestoreDocumentSelectFolderWizardPage;
class RestoreDocumentConfirmationWizardPage;

// Finds a document that the user deleted, one of its revisions and the
// folder to restore it in. It changes nothing on the server: the console
// reads the choice and sends the insert itself.
class RestoreDocumentWizard : public QWizard
{
    Q_OBJECT
    Q_PROPERTY(qorv::data::Document document READ getDocument WRITE setDocument)
    Q_PROPERTY(int documentFolderId READ getDocumentFolderId WRITE setDocumentFolderId)
    Q_PROPERTY(QString documentFolderName READ getDocumentFolderName WRITE setDocumentFolderName)

public:
    enum PageId
    {
        IntroductionPage = 0,
        SelectDocumentPage = 1,
        SelectFolderPage = 2,
        ConfirmationPage = 3
    };

    explicit RestoreDocumentWizard(QWidget *parent = nullptr);
    ~RestoreDocumentWizard() override;

    qorv::data::Document getDocument() const;
    void setDocument(const qorv::data::Document &document);
    int getDocumentFolderId() const;
    void setDocumentFolderId(DbId documentFolderId);
    QString getDocumentFolderName() const;
    void setDocumentFolderName(const QString &documentFolderName);

    // The signed-on user's home folder.
    static int HomeFolderId();
    // Blocking look-ups; a failed exchange or a reply that does not parse
    // is an empty answer.
    static qorv::data::Folder GetFolder(int folderId);
    static bool IsFolderParentOfDocumentName(int folderId, const std::string &name);
    static bool IsFolderParentOfDocument(int folderId, int documentId);

private:
    qorv::data::Document m_document;
    DbId m_documentFolderId;
    QString m_documentFolderName;
    RestoreDocumentIntroductionWizardPage *m_introductionPage;
    RestoreDocumentSelectDocumentWizardPage *m_selectDocumentPage;
    RestoreDocumentSelectFolderWizardPage *m_selectFolderPage;
    RestoreDocumentConfirmationWizardPage *m_confirmationPage;
};

#endif // RESTOREDOCUMENTWIZARD_H
