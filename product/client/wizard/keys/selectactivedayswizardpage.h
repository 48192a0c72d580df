#ifndef SELECTACTIVEDAYSWIZARDPAGE_H
#define SELECTACTIVEDAYSWIZARDPAGE_H

#include "abstractselectactivewizardpage.h"

// The days of the week during which a new key works, one field per
// day, "monday" to "sunday".
class SelectActiveDaysWizardPage : public AbstractSelectActiveWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveDaysWizardPage(QWidget *parent);
    ~SelectActiveDaysWizardPage() override;
};

#endif // SELECTACTIVEDAYSWIZARDPAGE_H
