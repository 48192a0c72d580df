#ifndef RESTOREDOCUMENTINTRODUCTIONWIZARDPAGE_H
#define RESTOREDOCUMENTINTRODUCTIONWIZARDPAGE_H

#include <QWizardPage>

// What the restore wizard is for.
class RestoreDocumentIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit RestoreDocumentIntroductionWizardPage(QWidget *parent = nullptr);
};

#endif // RESTOREDOCUMENTINTRODUCTIONWIZARDPAGE_H
