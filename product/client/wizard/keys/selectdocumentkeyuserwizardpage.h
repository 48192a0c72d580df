#ifndef SELECTDOCUMENTKEYUSERWIZARDPAGE_H
#define SELECTDOCUMENTKEYUSERWIZARDPAGE_H

#include "abstractselectkeyuserwizardpage.h"

// The users who are to receive a copy of a new document key. Whoever already
// holds a key for the document is asked of the server, so the page must be
// built with its CreateDocumentKeyWizard as the parent.
class SelectDocumentKeyUserWizardPage : public AbstractSelectKeyUserWizardPage
{
    Q_OBJECT

public:
    explicit SelectDocumentKeyUserWizardPage(QWidget *parent);
    ~SelectDocumentKeyUserWizardPage() override;
};

#endif // SELECTDOCUMENTKEYUSERWIZARDPAGE_H
