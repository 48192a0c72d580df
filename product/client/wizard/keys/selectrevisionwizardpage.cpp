#include "selectrevisionwizardpage.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "dbtimestamp.h"
#include "messagedispatcher.h"
#include "revisionhistorylistwidget.h"
#include "utils.h"
#include "wizardpagewidgets.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizard>

#include <string>

namespace
{
void AddRevision(QListWidget *list, const std::string &sysStart)
{
    const DbTimestamp start(sysStart);
    if (!start.isValid())
        return;
    auto *item = new QListWidgetItem(utils::ActionIcon("document_empty_clock_back.png"),
                                     QString::fromStdString(start.toLocalRfcString(DbTimestamp::TimeZonePtr())), list);
    item->setData(Qt::UserRole, QString::fromStdString(sysStart));
    item->setToolTip(QString::fromStdString(start.toLocalDisplayString(DbTimestamp::TimeZonePtr())));
}

// Every revision the document ever had, in the server's order; false when
// there is none to offer, for whatever reason.
bool InitializeRevisionHistoryListWidget(QListWidget *list, int documentId)
{
    list->clear();
    qorv::data::SelectDocumentRequest request;
    request.set_document_id(documentId);
    request.mutable_sys_period()->set_from(DbTimestamp::m_MinTimestamp);
    request.mutable_sys_period()->set_to(DbTimestamp::m_MaxTimestamp);
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;

    MessageDispatcher dispatcher(common::op::SelectDocument, common::tag::ListRevisions, payload);
    qorv::data::SelectDocumentReply reply;
    if (dispatcher.dispatch() && reply.ParseFromString(dispatcher.getReply())) {
        for (const qorv::data::Document &document : reply.document())
            AddRevision(list, document.sys_period().from());
    }
    if (list->count() == 0)
        return false;
    list->scrollToTop();
    list->setCurrentRow(0);
    list->item(0)->setSelected(true);
    return true;
}
}

SelectRevisionWizardPage::SelectRevisionWizardPage(QWidget *parent, int documentId)
    : QWizardPage(parent)
    , m_documentId(documentId)
    , m_currentRevisionRadioButton(new QRadioButton(this))
    , m_previousRevisionRadioButton(new QRadioButton(this))
    , m_revisionHistoryListWidget(new RevisionHistoryListWidget(this))
{
    initializeWindow();
    initializeWidgets();
}

SelectRevisionWizardPage::~SelectRevisionWizardPage() = default;

void SelectRevisionWizardPage::cleanupPage()
{
}

QListWidgetItem *SelectRevisionWizardPage::revisionHistoryListWidgetItem() const
{
    const QList<QListWidgetItem *> items = m_revisionHistoryListWidget->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void SelectRevisionWizardPage::toggleCurrentRevision(bool state)
{
    if (state) {
        m_revisionHistoryListWidget->hide();
        m_revisionHistoryListWidget->clear();
        return;
    }
    if (InitializeRevisionHistoryListWidget(m_revisionHistoryListWidget, m_documentId)) {
        m_revisionHistoryListWidget->show();
        m_revisionHistoryListWidget->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_revisionHistoryListWidget->hide();
    m_currentRevisionRadioButton->setChecked(true);
    m_currentRevisionRadioButton->setFocus(Qt::OtherFocusReason);
}

void SelectRevisionWizardPage::initializeWindow()
{
    setTitle(tr("SelectRevisionWizardPageTitle"));
    setSubTitle(tr("SelectRevisionWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/document_empty_clock_back.png")));
}

void SelectRevisionWizardPage::initializeWidgets()
{
    m_currentRevisionRadioButton->setObjectName(QStringLiteral("currentRevisionRadioButton"));
    m_previousRevisionRadioButton->setObjectName(QStringLiteral("previousRevisionRadioButton"));
    m_revisionHistoryListWidget->setObjectName(QStringLiteral("revisionHistoryListWidget"));
    m_revisionHistoryListWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_revisionHistoryListWidget->hide();
    registerField(QStringLiteral("revisionDateTime"), m_revisionHistoryListWidget, "revisionDateTime");
    registerField(QStringLiteral("revisionSysStart"), m_revisionHistoryListWidget, "revisionSysStart");
    m_currentRevisionRadioButton->setText(tr("CurrentRevision"));
    m_previousRevisionRadioButton->setText(tr("PreviousRevision"));
    m_currentRevisionRadioButton->setChecked(true);
    registerField(QStringLiteral("currentRevision"), m_currentRevisionRadioButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_currentRevisionRadioButton);
    layout->addWidget(m_previousRevisionRadioButton);
    layout->addWidget(wizardpage::CreateSeparatorLine(this));
    layout->addWidget(m_revisionHistoryListWidget);

    // Connected after the check, so that building the page fetches nothing.
    connect(m_currentRevisionRadioButton, &QRadioButton::toggled, this,
            &SelectRevisionWizardPage::toggleCurrentRevision);
}
