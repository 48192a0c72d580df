#ifndef SELECTFOLDERKEYUSERWIZARDPAGE_H
#define SELECTFOLDERKEYUSERWIZARDPAGE_H

#include "abstractselectkeyuserwizardpage.h"

// The users who are to receive a copy of a new folder key. Whoever already
// holds a key for the folder is asked of the server, so the page must be
// built with its CreateFolderKeyWizard as the parent.
class SelectFolderKeyUserWizardPage : public AbstractSelectKeyUserWizardPage
{
    Q_OBJECT

public:
    explicit SelectFolderKeyUserWizardPage(QWidget *parent);
    ~SelectFolderKeyUserWizardPage() override;
};

#endif // SELECTFOLDERKEYUSERWIZARDPAGE_H
