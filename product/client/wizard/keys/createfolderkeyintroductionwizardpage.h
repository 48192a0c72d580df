#ifndef CREATEFOLDERKEYINTRODUCTIONWIZARDPAGE_H
#define CREATEFOLDERKEYINTRODUCTIONWIZARDPAGE_H

#include <QWizardPage>

// The first page of the create-folder-key wizard: a title and a picture.
class CreateFolderKeyIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit CreateFolderKeyIntroductionWizardPage(QWidget *parent);
    ~CreateFolderKeyIntroductionWizardPage() override;
};

#endif // CREATEFOLDERKEYINTRODUCTIONWIZARDPAGE_H
