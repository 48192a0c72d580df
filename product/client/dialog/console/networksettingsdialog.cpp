#include "networksettingsdialog.h"

#include "utils.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
constexpr int MinimumWidth = 250;
constexpr int LineMinimumHeight = 10;
}

NetworkSettingsDialog::NetworkSettingsDialog(QWidget *parent)
    : NetworkDialog(parent)
{
    initialize();
}

void NetworkSettingsDialog::initialize()
{
    initializeWindow();
    initializeLayout();
}

void NetworkSettingsDialog::initializeWindow()
{
    setWindowTitle(tr("NetworkSettingsDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("server_client.png"));
    setMinimumWidth(MinimumWidth);
}

void NetworkSettingsDialog::initializeLayout()
{
    auto *form = new QFormLayout;
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->addRow(m_serverNameLabel, m_serverNameLineEdit);
    form->addRow(m_serverPortLabel, m_serverPortSpinBox);
    form->addRow(m_defaultTimeZoneLabel, m_defaultTimeZoneComboBox);

    auto *line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumHeight(LineMinimumHeight);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_okPushButton);
    buttonRow->addStretch();
    buttonRow->addWidget(m_cancelPushButton);

    auto *dialogLayout = new QVBoxLayout(this);
    dialogLayout->addLayout(form);
    dialogLayout->addWidget(line);
    dialogLayout->addLayout(buttonRow);
}
