#ifndef CREATEDOCUMENTKEYINTRODUCTIONWIZARDPAGE_H
#define CREATEDOCUMENTKEYINTRODUCTIONWIZARDPAGE_H

#include <QWizardPage>

// The first page of the create-document-key wizard: a title and a picture.
class CreateDocumentKeyIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CreateDocumentKeyIntroductionWizardPage(QWidget *parent);
    ~CreateDocumentKeyIntroductionWizardPage() override;
};

#endif // CREATEDOCUMENTKEYINTRODUCTIONWIZARDPAGE_H
