#include "selectsessiondurationwizardpage.h"

#include "wizardpagewidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWizard>

namespace
{
constexpr int MinimumDuration = 1;
constexpr int MaximumDuration = 28800;
constexpr int DefaultDuration = 60;
}

SelectSessionDurationWizardPage::SelectSessionDurationWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_unrestrictedRadioButton(new QRadioButton(tr("UnrestrictedDuration"), this))
    , m_restrictedRadioButton(new QRadioButton(tr("RestrictedDuration"), this))
    , m_durationLabel(new QLabel(tr("Duration"), this))
    , m_unitsLabel(new QLabel(tr("Units"), this))
    , m_durationSpinBox(new QSpinBox(this))
    , m_unitsComboBox(new QComboBox(this))
{
    setTitle(tr("SelectSessionDurationWizardPageTitle"));
    setSubTitle(tr("SelectSessionDurationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/stopwatch.png")));

    m_unrestrictedRadioButton->setObjectName(QStringLiteral("unrestrictedRadioButton"));
    m_restrictedRadioButton->setObjectName(QStringLiteral("restrictedRadioButton"));
    m_durationSpinBox->setObjectName(QStringLiteral("durationSpinBox"));
    m_unitsComboBox->setObjectName(QStringLiteral("unitsComboBox"));
    m_unrestrictedRadioButton->setChecked(true);
    m_durationSpinBox->setRange(MinimumDuration, MaximumDuration);
    m_durationSpinBox->setValue(DefaultDuration);
    m_unitsComboBox->addItem(tr("Minutes"));
    m_unitsComboBox->addItem(tr("Hours"));
    m_unitsComboBox->setCurrentIndex(0);
    m_durationLabel->setBuddy(m_durationSpinBox);
    m_unitsLabel->setBuddy(m_unitsComboBox);

    registerField(QStringLiteral("restrictedDuration"), m_restrictedRadioButton);
    registerField(QStringLiteral("durationSpinBox"), m_durationSpinBox);
    registerField(QStringLiteral("durationComboBox"), m_unitsComboBox);

    auto *form = new QFormLayout;
    form->addRow(m_durationLabel, m_durationSpinBox);
    form->addRow(m_unitsLabel, m_unitsComboBox);
    auto *row = new QHBoxLayout;
    row->addLayout(form);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_unrestrictedRadioButton);
    layout->addWidget(m_restrictedRadioButton);
    layout->addWidget(wizardpage::CreateSeparatorLine(this));
    layout->addLayout(row);

    toggleRestrictedDuration(false);
    connect(m_restrictedRadioButton, &QRadioButton::toggled, this,
            &SelectSessionDurationWizardPage::toggleRestrictedDuration);
}

SelectSessionDurationWizardPage::~SelectSessionDurationWizardPage() = default;

void SelectSessionDurationWizardPage::cleanupPage()
{
}

void SelectSessionDurationWizardPage::toggleRestrictedDuration(bool state)
{
    for (QWidget *widget : {static_cast<QWidget *>(m_durationLabel), static_cast<QWidget *>(m_unitsLabel),
                            static_cast<QWidget *>(m_durationSpinBox), static_cast<QWidget *>(m_unitsComboBox)})
        widget->setVisible(state);
}
