#include "selectactivemonthswizardpage.h"

namespace
{
// In calendar order; each is also the field's name in lower case.
const std::vector<const char *> &Labels()
{
    static const std::vector<const char *> labels = {
        QT_TRANSLATE_NOOP("Linguist", "January"),   QT_TRANSLATE_NOOP("Linguist", "February"),
        QT_TRANSLATE_NOOP("Linguist", "March"),     QT_TRANSLATE_NOOP("Linguist", "April"),
        QT_TRANSLATE_NOOP("Linguist", "May"),       QT_TRANSLATE_NOOP("Linguist", "June"),
        QT_TRANSLATE_NOOP("Linguist", "July"),      QT_TRANSLATE_NOOP("Linguist", "August"),
        QT_TRANSLATE_NOOP("Linguist", "September"), QT_TRANSLATE_NOOP("Linguist", "October"),
        QT_TRANSLATE_NOOP("Linguist", "November"),  QT_TRANSLATE_NOOP("Linguist", "December"),
    };
    return labels;
}
}

SelectActiveMonthsWizardPage::SelectActiveMonthsWizardPage(QWidget *parent)
    : AbstractSelectActiveWizardPage(parent,
                                     {tr("SelectActiveMonthsWizardPageTitle"),
                                      tr("SelectActiveMonthsWizardPageSubTitle"), "calendar.png", tr("ActiveMonths")},
                                     Labels())
{
}

SelectActiveMonthsWizardPage::~SelectActiveMonthsWizardPage() = default;
