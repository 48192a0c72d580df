#include "messagebrowseroptionsdialoggeneraltab.h"

#include "messagebrowseractivationmode.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtGlobal>

MessageBrowserOptionsDialogGeneralTab::MessageBrowserOptionsDialogGeneralTab(int activationMode, QWidget *parent)
    : QWidget(parent)
    , m_buttonGroup(new QButtonGroup(this))
    , m_showAllMessages(new QRadioButton(tr("MessagesActivationModeShowAllMessages")))
    , m_showMessagesNotAssignedToFolders(new QRadioButton(tr("MessagesActivationModeShowMessagesNotAssignedToFolders")))
{
    m_buttonGroup->addButton(m_showAllMessages, messagebrowser::ShowAllMessages);
    m_buttonGroup->addButton(m_showMessagesNotAssignedToFolders, messagebrowser::ShowMessagesNotAssignedToFolders);

    auto *groupBox = new QGroupBox(tr("MessagesActivationMode"));
    auto *groupLayout = new QVBoxLayout(groupBox);
    groupLayout->addWidget(new QLabel(tr("ActivationModeLabel")));
    groupLayout->addWidget(m_showAllMessages);
    groupLayout->addWidget(m_showMessagesNotAssignedToFolders);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(groupBox);

    // The store may hold anything; the browser treats every other value as
    // "all messages", so the tab shows that choice and says why.
    switch (activationMode) {
    case messagebrowser::ShowAllMessages:
        m_showAllMessages->setChecked(true);
        break;
    case messagebrowser::ShowMessagesNotAssignedToFolders:
        m_showMessagesNotAssignedToFolders->setChecked(true);
        break;
    default:
        qWarning("Activation mode value incorrect; using default value.");
        m_showAllMessages->setChecked(true);
        break;
    }
}

MessageBrowserOptionsDialogGeneralTab::~MessageBrowserOptionsDialogGeneralTab() = default;

int MessageBrowserOptionsDialogGeneralTab::getActivationMode() const
{
    return m_buttonGroup->checkedId();
}
