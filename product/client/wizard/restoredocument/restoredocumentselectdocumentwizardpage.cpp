#include "restoredocumentselectdocumentwizardpage.h"

#include "common/majorcode.h"
#include "dbid.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "documentrevisiondialog.h"
#include "restoredocumentwizard.h"
#include "utils.h"
#include "waitcursor.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>
#include <vector>

namespace
{
constexpr int DocumentRole = 1000;
constexpr int TableStretch = 7;
constexpr int RevisionsStretch = 3;
const char DateTimeFormat[] = "yyyy-MM-dd HH:mm:ss";

Qt::ItemFlags SelectableFlags()
{
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

std::optional<qorv::data::Document> DocumentOf(const QVariant &data)
{
    if (data.metaType() != QMetaType::fromType<qorv::data::Document>())
        return std::nullopt;
    return data.value<qorv::data::Document>();
}

// The database text of a period bound; empty outside the valid range.
std::string DbText(const QDateTime &local)
{
    const DbTimestamp timestamp(local.toUTC().toString(QLatin1String(DateTimeFormat)).toStdString());
    return timestamp.isValid() ? timestamp.toDbString() : std::string();
}

QString LocalText(const std::string &databaseText)
{
    const DbTimestamp timestamp(databaseText);
    return timestamp.isValid() ? QString::fromStdString(timestamp.toLocalDbString(DbTimestamp::TimeZonePtr()))
                               : QString();
}

// One row per deleted document, for its revision deleted last.
void HandleSelectDeletedDocumentReply(const qorv::data::SelectDocumentReply &reply, QTableWidget *table)
{
    std::vector<qorv::data::Document> documents(reply.document().begin(), reply.document().end());
    std::sort(documents.begin(), documents.end(),
              [](const qorv::data::Document &left, const qorv::data::Document &right) {
                  return left.sys_period().to() > right.sys_period().to();
              });
    std::vector<qorv::data::Document> kept;
    std::set<int> seen;
    for (const qorv::data::Document &document : documents)
        if (seen.insert(document.document_id()).second)
            kept.push_back(document);
    table->setRowCount(static_cast<int>(kept.size()));
    for (int row = 0; row < static_cast<int>(kept.size()); ++row) {
        const qorv::data::Document &document = kept[row];
        auto *name = new QTableWidgetItem(utils::ActionIcon("document_empty_clock_back.png"),
                                          QString::fromStdString(document.document_name()));
        name->setFlags(SelectableFlags());
        name->setData(DocumentRole, QVariant::fromValue(document));
        auto *deleted =
            new QTableWidgetItem(utils::ActionIcon("clock_back.png"), LocalText(document.sys_period().to()));
        deleted->setFlags(SelectableFlags());
        table->setItem(row, 0, name);
        table->setItem(row, 1, deleted);
    }
}
}

RestoreDocumentSelectDocumentWizardPage::RestoreDocumentSelectDocumentWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_fromDateTimeEdit(new QDateTimeEdit(this))
    , m_toDateTimeEdit(new QDateTimeEdit(this))
    , m_documentsTableWidget(new QTableWidget(this))
    , m_revisionsListWidget(new QListWidget(this))
    , m_originalFolderRadioButton(new QRadioButton(tr("OriginalFolder"), this))
    , m_selectedFolderRadioButton(new QRadioButton(tr("SelectedFolder"), this))
{
    setTitle(tr("RestoreDocumentSelectDocumentWizardPageTitle"));
    setSubTitle(tr("RestoreDocumentSelectDocumentWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/recycle.png")));

    // The period ends now and cannot reach into the future.
    const QDateTime now = QDateTime::currentDateTime();
    for (QDateTimeEdit *edit : {m_fromDateTimeEdit, m_toDateTimeEdit}) {
        edit->setMaximumDateTime(now);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLatin1String(DateTimeFormat));
    }
    m_fromDateTimeEdit->setDateTime(now.addDays(-1));
    m_toDateTimeEdit->setDateTime(now);

    m_documentsTableWidget->setColumnCount(2);
    m_documentsTableWidget->setHorizontalHeaderLabels({tr("TableWidgetHeader1"), tr("TableWidgetHeader2")});
    m_documentsTableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_documentsTableWidget->setSortingEnabled(false);
    m_documentsTableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_documentsTableWidget->verticalHeader()->hide();
    m_revisionsListWidget->setSortingEnabled(false);

    registerField(QStringLiteral("fromDateTimeEdit"), m_fromDateTimeEdit);
    registerField(QStringLiteral("toDateTimeEdit"), m_toDateTimeEdit);
    registerField(QStringLiteral("revisionsListWidget"), m_revisionsListWidget);
    registerField(QStringLiteral("originalFolderRadioButton"), m_originalFolderRadioButton);
    registerField(QStringLiteral("selectedFolderRadioButton"), m_selectedFolderRadioButton);

    auto *searchGroupBox = new QGroupBox(tr("SearchGroupBox"), this);
    auto *searchLayout = new QHBoxLayout(searchGroupBox);
    searchLayout->addWidget(new QLabel(tr("SearchGroupLabel"), searchGroupBox));
    searchLayout->addWidget(m_fromDateTimeEdit);
    searchLayout->addWidget(new QLabel(tr("SearchGroupConjunctionLabel"), searchGroupBox));
    searchLayout->addWidget(m_toDateTimeEdit);
    searchLayout->addStretch();
    auto *documentGroupBox = new QGroupBox(tr("DocumentGroupBox"), this);
    auto *documentLayout = new QHBoxLayout(documentGroupBox);
    documentLayout->addWidget(m_documentsTableWidget, TableStretch);
    documentLayout->addWidget(m_revisionsListWidget, RevisionsStretch);
    auto *folderGroupBox = new QGroupBox(tr("DocumentFolderGroupBox"), this);
    auto *folderLayout = new QVBoxLayout(folderGroupBox);
    folderLayout->addWidget(m_originalFolderRadioButton);
    folderLayout->addWidget(m_selectedFolderRadioButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchGroupBox);
    layout->addWidget(documentGroupBox);
    layout->addWidget(folderGroupBox);

    connect(m_fromDateTimeEdit, &QDateTimeEdit::dateTimeChanged, this,
            &RestoreDocumentSelectDocumentWizardPage::fromDateTimeChanged);
    connect(m_toDateTimeEdit, &QDateTimeEdit::dateTimeChanged, this,
            &RestoreDocumentSelectDocumentWizardPage::toDateTimeChanged);
    connect(m_documentsTableWidget, &QTableWidget::itemClicked, this,
            &RestoreDocumentSelectDocumentWizardPage::documentsTableWidgetItemClicked);
    connect(m_revisionsListWidget, &QListWidget::itemDoubleClicked, this,
            &RestoreDocumentSelectDocumentWizardPage::revisionsListWidgetItemDoubleClicked);
}

void RestoreDocumentSelectDocumentWizardPage::initializePage()
{
    m_documentsTableWidget->clearContents();
    m_documentsTableWidget->setRowCount(0);
    m_revisionsListWidget->clear();
    m_folderExists.clear();
    m_originalFolderRadioButton->setEnabled(true);
    m_originalFolderRadioButton->setChecked(true);
    m_selectedFolderRadioButton->setEnabled(true);

    qorv::data::SelectDocumentRequest request;
    request.set_select_deleted_documents(true);
    request.mutable_sys_period()->set_from(DbText(m_fromDateTimeEdit->dateTime()));
    request.mutable_sys_period()->set_to(DbText(m_toDateTimeEdit->dateTime()));
    utils::WaitCursor waitCursor(true);
    qorv::data::SelectDocumentReply reply;
    if (!network::DirectExchange(common::op::SelectDocument, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    HandleSelectDeletedDocumentReply(reply, m_documentsTableWidget);
    m_documentsTableWidget->sortItems(0, Qt::AscendingOrder);
}

void RestoreDocumentSelectDocumentWizardPage::fromDateTimeChanged(QDateTime dateTime)
{
    if (dateTime >= m_toDateTimeEdit->dateTime()) {
        const QDateTime next = dateTime.addDays(1);
        const QDateTime maximum = m_toDateTimeEdit->maximumDateTime();
        if (next < maximum) {
            m_toDateTimeEdit->setDateTime(next);
        } else {
            m_fromDateTimeEdit->setDateTime(maximum.addDays(-1));
            m_toDateTimeEdit->setDateTime(maximum);
        }
    }
    initializePage();
    emit completeChanged();
}

void RestoreDocumentSelectDocumentWizardPage::toDateTimeChanged(QDateTime dateTime)
{
    if (m_fromDateTimeEdit->dateTime() >= dateTime)
        m_fromDateTimeEdit->setDateTime(dateTime.addDays(-1));
    initializePage();
    emit completeChanged();
}

void RestoreDocumentSelectDocumentWizardPage::documentsTableWidgetItemClicked(QTableWidgetItem *tableWidgetItem)
{
    if (!tableWidgetItem || tableWidgetItem->column() != 0)
        return;
    m_originalFolderRadioButton->setEnabled(true);
    m_originalFolderRadioButton->setChecked(true);
    m_selectedFolderRadioButton->setEnabled(true);
    m_revisionsListWidget->clear();

    if (const auto document = DocumentOf(tableWidgetItem->data(DocumentRole))) {
        qorv::data::SelectDocumentRequest request;
        request.set_document_id(document->document_id());
        request.set_select_deleted_documents(true);
        request.mutable_sys_period()->set_from(DbTimestamp(DbTimestamp::m_MinTimestamp).toDbString());
        request.mutable_sys_period()->set_to(DbTimestamp(DbTimestamp::m_MaxTimestamp).toDbString());
        utils::WaitCursor waitCursor(true);
        qorv::data::SelectDocumentReply reply;
        if (network::DirectExchange(common::op::SelectDocument, request, reply, network::ReplyErrorCodes::Ignored)) {
            for (const qorv::data::Document &revision : reply.document()) {
                auto *item = new QListWidgetItem(utils::ActionIcon("clock_forward.png"),
                                                 LocalText(revision.sys_period().to()), m_revisionsListWidget);
                item->setFlags(SelectableFlags());
                item->setData(DocumentRole, QVariant::fromValue(revision));
            }
            if (m_revisionsListWidget->count() > 0) {
                m_revisionsListWidget->sortItems(Qt::DescendingOrder);
                m_revisionsListWidget->setCurrentRow(0);
            }
        }
        waitCursor.restore();

        // A document whose folder is gone can only go where the user says.
        const int folderId = document->document_folder_id();
        if (folderId != RestoreDocumentWizard::HomeFolderId()) {
            const bool exists = !RestoreDocumentWizard::GetFolder(folderId).folder_name().empty();
            m_folderExists.insert(folderId, exists);
            if (!exists) {
                m_originalFolderRadioButton->setEnabled(false);
                m_selectedFolderRadioButton->setChecked(true);
            }
        }
    }
    emit completeChanged();
}

void RestoreDocumentSelectDocumentWizardPage::revisionsListWidgetItemDoubleClicked(QListWidgetItem *item)
{
    const auto revision = item ? DocumentOf(item->data(DocumentRole)) : std::nullopt;
    if (!revision)
        return;
    DocumentRevisionDialog dialog(QString::fromStdString(revision->document_name()),
                                  QString::fromStdString(revision->sys_period().to()),
                                  QString::fromStdString(revision->document_body()), this);
    dialog.exec();
}

int RestoreDocumentSelectDocumentWizardPage::nextId() const
{
    return m_originalFolderRadioButton->isChecked() ? RestoreDocumentWizard::ConfirmationPage
                                                    : RestoreDocumentWizard::SelectFolderPage;
}

bool RestoreDocumentSelectDocumentWizardPage::isComplete() const
{
    const QList<QTableWidgetItem *> rows = m_documentsTableWidget->selectedItems();
    if (rows.isEmpty() || m_revisionsListWidget->selectedItems().isEmpty())
        return false;
    const auto document = DocumentOf(rows.first()->data(DocumentRole));
    if (!document)
        return false;
    if (m_selectedFolderRadioButton->isChecked())
        return true;
    // The folder was looked up when its document was clicked; one chosen
    // otherwise is looked up on Next.
    return m_folderExists.value(document->document_folder_id(), true)
           || document->document_folder_id() == RestoreDocumentWizard::HomeFolderId();
}

void RestoreDocumentSelectDocumentWizardPage::warn(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, tr("RestoreDocumentSelectFolderWizardPageTitle"), text, QMessageBox::Ok,
                    this);
    box.setDefaultButton(QMessageBox::NoButton);
    box.exec();
}

bool RestoreDocumentSelectDocumentWizardPage::validatePage()
{
    for (const char *property : {"document", "documentFolderId", "documentFolderName"})
        wizard()->setProperty(property, QVariant());

    const QList<QListWidgetItem *> revisions = m_revisionsListWidget->selectedItems();
    if (m_documentsTableWidget->selectedItems().isEmpty() || revisions.isEmpty())
        return false;
    const auto revision = DocumentOf(revisions.first()->data(DocumentRole));
    if (!revision)
        return false;
    if (m_selectedFolderRadioButton->isChecked()) {
        wizard()->setProperty("document", QVariant::fromValue(*revision));
        return true;
    }
    const DbId folderId(revision->document_folder_id());
    if (folderId.null() || revision->document_name().empty())
        return false;
    const qorv::data::Folder folder = RestoreDocumentWizard::GetFolder(folderId);
    if (folder.folder_name().empty()) {
        warn(tr("FolderDoesNotExist"));
        return false;
    }
    if (RestoreDocumentWizard::IsFolderParentOfDocumentName(folder.folder_id(), revision->document_name())) {
        warn(tr("FolderIsParentOfDocumentWithNameOfDocumentToBeRestored"));
        return false;
    }
    wizard()->setProperty("documentFolderId", folder.folder_id());
    wizard()->setProperty("documentFolderName", QString::fromStdString(folder.folder_name()));
    wizard()->setProperty("document", QVariant::fromValue(*revision));
    return true;
}
