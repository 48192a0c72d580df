#include "selectactivedayswizardpage.h"

#include "linguist.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWizard>

namespace
{
// In calendar order; each is also the field's name in lower case.
const std::array<const char *, 7> Labels = {
    QT_TRANSLATE_NOOP("Linguist", "Monday"),    QT_TRANSLATE_NOOP("Linguist", "Tuesday"),
    QT_TRANSLATE_NOOP("Linguist", "Wednesday"), QT_TRANSLATE_NOOP("Linguist", "Thursday"),
    QT_TRANSLATE_NOOP("Linguist", "Friday"),    QT_TRANSLATE_NOOP("Linguist", "Saturday"),
    QT_TRANSLATE_NOOP("Linguist", "Sunday"),
};
}

SelectActiveDaysWizardPage::SelectActiveDaysWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_groupBox(new QGroupBox(this))
{
    setTitle(tr("SelectActiveDaysWizardPageTitle"));
    setSubTitle(tr("SelectActiveDaysWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/calendar_7.png")));

    m_groupBox->setObjectName(QStringLiteral("groupBox"));
    m_groupBox->setTitle(tr("ActiveDays"));
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
    connect(m_groupBox, &QGroupBox::toggled, this, &SelectActiveDaysWizardPage::toggleCheckBoxes);
    m_groupBox->setChecked(true);
}

SelectActiveDaysWizardPage::~SelectActiveDaysWizardPage() = default;

void SelectActiveDaysWizardPage::cleanupPage()
{
}

void SelectActiveDaysWizardPage::toggleCheckBoxes(bool state)
{
    for (QCheckBox *box : m_checkBoxes)
        box->setChecked(state);
}
