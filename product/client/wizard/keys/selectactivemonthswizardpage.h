#ifndef SELECTACTIVEMONTHSWIZARDPAGE_H
#define SELECTACTIVEMONTHSWIZARDPAGE_H

#include "abstractselectactivewizardpage.h"

// The months of the year during which a new key works, one field per
// month, "january" to "december".
class SelectActiveMonthsWizardPage : public AbstractSelectActiveWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveMonthsWizardPage(QWidget *parent);
    ~SelectActiveMonthsWizardPage() override;
};

#endif // SELECTACTIVEMONTHSWIZARDPAGE_H
