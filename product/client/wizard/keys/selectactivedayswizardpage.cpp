#include "selectactivedayswizardpage.h"

namespace
{
// In calendar order; each is also the field's name in lower case.
const std::vector<const char *> &Labels()
{
    static const std::vector<const char *> labels = {
        QT_TRANSLATE_NOOP("Linguist", "Monday"),    QT_TRANSLATE_NOOP("Linguist", "Tuesday"),
        QT_TRANSLATE_NOOP("Linguist", "Wednesday"), QT_TRANSLATE_NOOP("Linguist", "Thursday"),
        QT_TRANSLATE_NOOP("Linguist", "Friday"),    QT_TRANSLATE_NOOP("Linguist", "Saturday"),
        QT_TRANSLATE_NOOP("Linguist", "Sunday"),
    };
    return labels;
}
}

SelectActiveDaysWizardPage::SelectActiveDaysWizardPage(QWidget *parent)
    : AbstractSelectActiveWizardPage(parent,
                                     {tr("SelectActiveDaysWizardPageTitle"), tr("SelectActiveDaysWizardPageSubTitle"),
                                      "calendar_7.png", tr("ActiveDays")},
                                     Labels())
{
}

SelectActiveDaysWizardPage::~SelectActiveDaysWizardPage() = default;
