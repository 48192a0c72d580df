#include "selectactivemonthswizardpage.h"

#include "linguist.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWizard>

namespace
{
// In calendar order; each is also the field's name in lower case.
const std::array<const char *, 12> Labels = {
    QT_TRANSLATE_NOOP("Linguist", "January"),   QT_TRANSLATE_NOOP("Linguist", "February"),
    QT_TRANSLATE_NOOP("Linguist", "March"),     QT_TRANSLATE_NOOP("Linguist", "April"),
    QT_TRANSLATE_NOOP("Linguist", "May"),       QT_TRANSLATE_NOOP("Linguist", "June"),
    QT_TRANSLATE_NOOP("Linguist", "July"),      QT_TRANSLATE_NOOP("Linguist", "August"),
    QT_TRANSLATE_NOOP("Linguist", "September"), QT_TRANSLATE_NOOP("Linguist", "October"),
    QT_TRANSLATE_NOOP("Linguist", "November"),  QT_TRANSLATE_NOOP("Linguist", "December"),
};
}

SelectActiveMonthsWizardPage::SelectActiveMonthsWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_groupBox(new QGroupBox(this))
{
    setTitle(tr("SelectActiveMonthsWizardPageTitle"));
    setSubTitle(tr("SelectActiveMonthsWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/calendar.png")));

    m_groupBox->setObjectName(QStringLiteral("groupBox"));
    m_groupBox->setTitle(tr("ActiveMonths"));
    m_groupBox->setCheckable(true);
    auto *groupLayout = new QVBoxLayout(m_groupBox);
    for (std::size_t index = 0; index < Labels.size(); ++index) {
        const QString name = QString::fromLatin1(Labels[index]).toLower();
        auto *box = new QCheckBox(Linguist::tr(Labels[index]), m_groupBox);
        box->setObjectName(name + QStringLiteral("CheckBox"));
        registerField(name, box);
        groupLayout->addWidget(box);
        m_checkBoxes[index] = box;
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_groupBox);

    // Checked after connecting, so that every box starts ticked.
    m_groupBox->setChecked(false);
    connect(m_groupBox, &QGroupBox::toggled, this, &SelectActiveMonthsWizardPage::toggleCheckBoxes);
    m_groupBox->setChecked(true);
}

SelectActiveMonthsWizardPage::~SelectActiveMonthsWizardPage() = default;

void SelectActiveMonthsWizardPage::cleanupPage()
{
}

void SelectActiveMonthsWizardPage::toggleCheckBoxes(bool state)
{
    for (QCheckBox *box : m_checkBoxes)
        box->setChecked(state);
}
