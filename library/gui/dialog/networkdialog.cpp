#include "networkdialog.h"

#include "isvalidport.h"
#include "linguist.h"
#include "networksettings.h"
#include "timezonedatabase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace
{
constexpr int LowestServerPort = 1024;
constexpr int HighestServerPort = 65535;
}

NetworkDialog::NetworkDialog(QWidget *parent)
    : QDialog(parent)
    , m_serverNameLabel(new QLabel(tr("ServerName"), this))
    , m_serverPortLabel(new QLabel(tr("ServerPort"), this))
    , m_defaultTimeZoneLabel(new QLabel(tr("DefaultTimeZone"), this))
    , m_serverNameLineEdit(new QLineEdit(this))
    , m_serverPortSpinBox(new QSpinBox(this))
    , m_defaultTimeZoneComboBox(new QComboBox(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    m_serverNameLineEdit->setObjectName(QStringLiteral("serverNameLineEdit"));
    m_serverPortSpinBox->setObjectName(QStringLiteral("serverPortSpinBox"));
    m_defaultTimeZoneComboBox->setObjectName(QStringLiteral("defaultTimeZoneComboBox"));
    m_okPushButton->setObjectName(QStringLiteral("okPushButton"));
    m_cancelPushButton->setObjectName(QStringLiteral("cancelPushButton"));

    fillFromSettings();

    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString NetworkDialog::getServerName() const
{
    return m_serverNameLineEdit->text().trimmed();
}

int NetworkDialog::getServerPort() const
{
    return m_serverPortSpinBox->value();
}

QString NetworkDialog::getDefaultTimeZone() const
{
    return m_defaultTimeZoneComboBox->currentText();
}

void NetworkDialog::fillFromSettings()
{
    const NetworkSettings settings;
    const QString serverName = settings.getServerName();
    const unsigned int serverPort = settings.getServerPort();
    const QString defaultTimeZone = settings.getDefaultTimeZone();

    // The name is shown as stored, blanks and all; only the getter trims.
    if (!serverName.isEmpty())
        m_serverNameLineEdit->setText(serverName);

    // A port the dispatcher would refuse is not offered; the range's minimum
    // stands in for it.
    m_serverPortSpinBox->setRange(LowestServerPort, HighestServerPort);
    if (serverPort <= static_cast<unsigned int>(HighestServerPort)
        && network::IsValidPort(static_cast<int>(serverPort)))
        m_serverPortSpinBox->setValue(static_cast<int>(serverPort));

    const std::string storedRegion = defaultTimeZone.toStdString();
    int selected = 0;
    int index = 0;
    for (const std::string &region : TimeZoneDatabase::instance()->getTimeZoneDatabase().region_list()) {
        m_defaultTimeZoneComboBox->addItem(QString::fromStdString(region));
        if (region == storedRegion)
            selected = index;
        ++index;
    }
    m_defaultTimeZoneComboBox->setCurrentIndex(selected);
}
