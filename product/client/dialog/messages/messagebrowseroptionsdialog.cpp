#include "messagebrowseroptionsdialog.h"

#include "linguist.h"
#include "messagebrowseractivationmode.h"
#include "messagebrowseroptionsdialoggeneraltab.h"
#include "settings.h"
#include "utils.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{
const QString ActivationModeKey = QStringLiteral("MessageBrowser/Options/ActivationMode");
}

MessageBrowserOptionsDialog::MessageBrowserOptionsDialog(QWidget *parent)
    : QDialog(parent)
    , m_tabWidget(new QTabWidget)
    , m_buttonBox(new QDialogButtonBox)
    , m_generalTab(new MessageBrowserOptionsDialogGeneralTab(GetActivationMode(), nullptr))
    , m_okButton(new QPushButton(Linguist::tr("Ok")))
    , m_cancelButton(new QPushButton(Linguist::tr("Cancel")))
{
    setMinimumWidth(640);
    setMinimumHeight(240);
    setWindowTitle(tr("MessageBrowserOptionsDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("window_gear.png"));

    m_tabWidget->addTab(m_generalTab, Linguist::tr("GeneralTab"));
    m_buttonBox->addButton(m_okButton, QDialogButtonBox::AcceptRole);
    m_buttonBox->addButton(m_cancelButton, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabWidget);
    layout->addWidget(m_buttonBox);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &MessageBrowserOptionsDialog::saveValues);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

MessageBrowserOptionsDialog::~MessageBrowserOptionsDialog() = default;

int MessageBrowserOptionsDialog::GetActivationMode()
{
    return Settings().value(ActivationModeKey, messagebrowser::ShowAllMessages).toInt();
}

void MessageBrowserOptionsDialog::saveValues()
{
    Settings().setValue(ActivationModeKey, m_generalTab->getActivationMode());
    accept();
}
