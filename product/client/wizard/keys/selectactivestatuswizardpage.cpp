#include "selectactivestatuswizardpage.h"

#include <QCheckBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWizard>

SelectActiveStatusWizardPage::SelectActiveStatusWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_activeStatusCheckBox(new QCheckBox(this))
{
    setTitle(tr("SelectActiveStatusWizardPageTitle"));
    setSubTitle(tr("SelectActiveStatusWizardPageSubTitle"));
    m_activeStatusCheckBox->setObjectName(QStringLiteral("activeStatusCheckBox"));
    m_activeStatusCheckBox->setText(tr("ActiveStatus"));
    registerField(QStringLiteral("active"), m_activeStatusCheckBox);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_activeStatusCheckBox);

    // Checked after connecting, so that the logo is set by the slot.
    connect(m_activeStatusCheckBox, &QCheckBox::stateChanged, this, &SelectActiveStatusWizardPage::toggleActiveStatus);
    m_activeStatusCheckBox->setChecked(true);
}

SelectActiveStatusWizardPage::~SelectActiveStatusWizardPage() = default;

void SelectActiveStatusWizardPage::cleanupPage()
{
}

void SelectActiveStatusWizardPage::toggleActiveStatus(int state)
{
    setPixmap(QWizard::LogoPixmap, QPixmap(state != 0 ? QStringLiteral(":icons/32x32/key_play.png")
                                                      : QStringLiteral(":icons/32x32/key_stop.png")));
}
