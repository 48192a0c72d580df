#include "abstractselectactivewizardpage.h"

#include "linguist.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWizard>

AbstractSelectActiveWizardPage::AbstractSelectActiveWizardPage(QWidget *parent, const Look &look,
                                                               const std::vector<const char *> &labels)
    : QWizardPage(parent)
    , m_groupBox(new QGroupBox(this))
{
    setTitle(look.title);
    setSubTitle(look.subTitle);
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/") + QLatin1String(look.pixmapFileName)));

    m_groupBox->setObjectName(QStringLiteral("groupBox"));
    m_groupBox->setTitle(look.groupTitle);
    m_groupBox->setCheckable(true);
    auto *groupLayout = new QVBoxLayout(m_groupBox);
    for (const char *label : labels) {
        const QString name = QString::fromLatin1(label).toLower();
        auto *box = new QCheckBox(Linguist::tr(label), m_groupBox);
        box->setObjectName(name + QStringLiteral("CheckBox"));
        registerField(name, box);
        groupLayout->addWidget(box);
        m_checkBoxes.push_back(box);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_groupBox);

    // Checked after connecting, so that every box starts ticked.
    m_groupBox->setChecked(false);
    connect(m_groupBox, &QGroupBox::toggled, this, &AbstractSelectActiveWizardPage::toggleCheckBoxes);
    m_groupBox->setChecked(true);
}

AbstractSelectActiveWizardPage::~AbstractSelectActiveWizardPage() = default;

void AbstractSelectActiveWizardPage::cleanupPage()
{
}

void AbstractSelectActiveWizardPage::toggleCheckBoxes(bool state)
{
    for (QCheckBox *box : m_checkBoxes)
        box->setChecked(state);
}
