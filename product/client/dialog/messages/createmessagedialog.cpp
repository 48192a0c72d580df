#include "createmessagedialog.h"

#include "createmessagedialoggeneraltab.h"
#include "createmessagedialogmessagecontentpermissionstab.h"
#include "createmessagedialogmessageuserpermissionstab.h"
#include "linguist.h"
#include "utils.h"

#include "message3.pb.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CreateMessageDialog::CreateMessageDialog(qorv::data::Message *message, QWidget *parent)
    : QDialog(parent)
    , m_message(message)
    , m_tabWidget(new QTabWidget)
    , m_buttonBox(new QDialogButtonBox)
    , m_generalTab(new CreateMessageDialogGeneralTab(message))
    , m_messageContentPermissionsTab(new CreateMessageDialogMessageContentPermissionsTab(message))
    , m_messageUserPermissionsTab(new CreateMessageDialogMessageUserPermissionsTab(message))
    , m_okButton(new QPushButton(Linguist::tr("Ok")))
    , m_cancelButton(new QPushButton(Linguist::tr("Cancel")))
{
    setWindowTitle(tr("CreateMessageDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("mail_add.png"));
    setMinimumWidth(480);

    m_tabWidget->addTab(m_generalTab, tr("GeneralTab"));
    m_tabWidget->addTab(m_messageContentPermissionsTab, utils::ActionIcon("mail_open2.png"),
                        tr("MessageContentPermissionsTab"));
    m_tabWidget->addTab(m_messageUserPermissionsTab, utils::ActionIcon("user.png"), tr("MessageUserPermissionsTab"));
    // The tab titles are long: the dialog widens to show them whole rather
    // than cut them short behind scroll arrows.
    m_tabWidget->setElideMode(Qt::ElideNone);
    m_tabWidget->setUsesScrollButtons(false);
    m_okButton->setEnabled(false);
    m_buttonBox->addButton(m_okButton, QDialogButtonBox::AcceptRole);
    m_buttonBox->addButton(m_cancelButton, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabWidget);
    layout->addWidget(m_buttonBox);
    m_generalTab->setFocus();

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_generalTab, &CreateMessageDialogGeneralTab::messageSubjectTextEdited, this,
            &CreateMessageDialog::messageSubjectTextEdited);
    // The content permissions first: read-only means viewing, then no answers.
    using GeneralTab = CreateMessageDialogGeneralTab;
    connect(m_generalTab, &GeneralTab::messageReadOnlyStateChanged, m_messageContentPermissionsTab,
            &CreateMessageDialogMessageContentPermissionsTab::messageReadOnlyStateChanged);
    connect(m_generalTab, &GeneralTab::messageReadOnlyStateChanged, m_messageUserPermissionsTab,
            &CreateMessageDialogMessageUserPermissionsTab::messageReadOnlyStateChanged);
}

CreateMessageDialog::~CreateMessageDialog() = default;

void CreateMessageDialog::messageSubjectTextEdited(const QString &text)
{
    const QString subject = text.trimmed();
    if (!subject.isEmpty())
        m_message->set_message_subject(subject.toStdString());
    m_okButton->setEnabled(!subject.isEmpty());
}
