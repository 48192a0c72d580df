#include "restoredocumentselectfolderwizardpage.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrole.h"
#include "itemtype.h"
#include "restoredocumentwizard.h"
#include "utils.h"

#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
std::optional<qorv::data::Folder> FolderOf(const QListWidgetItem *item)
{
    const QVariant data = item->data(FolderRole);
    if (data.metaType() != QMetaType::fromType<qorv::data::Folder>())
        return std::nullopt;
    return data.value<qorv::data::Folder>();
}
}

RestoreDocumentSelectFolderWizardPage::RestoreDocumentSelectFolderWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_folderListWidget(new QListWidget(this))
    , m_backToolButton(new QToolButton(this))
    , m_homeToolButton(new QToolButton(this))
    , m_forwardToolButton(new QToolButton(this))
{
    setTitle(tr("RestoreDocumentSelectFolderWizardPageTitle"));
    setSubTitle(tr("RestoreDocumentSelectFolderWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/folder.png")));
    initializeWindow();
    initializeLayout();
}

void RestoreDocumentSelectFolderWizardPage::initializeWindow()
{
    m_backToolButton->setArrowType(Qt::LeftArrow);
    m_forwardToolButton->setArrowType(Qt::RightArrow);
    m_homeToolButton->setIcon(utils::ActionIcon("home.png"));
    connect(m_backToolButton, &QToolButton::clicked, this, &RestoreDocumentSelectFolderWizardPage::undoSelectFolder);
    connect(m_homeToolButton, &QToolButton::clicked, this, &RestoreDocumentSelectFolderWizardPage::selectHomeFolder);
    connect(m_forwardToolButton, &QToolButton::clicked, this, &RestoreDocumentSelectFolderWizardPage::redoSelectFolder);
    connect(m_folderListWidget, &QListWidget::itemClicked, this,
            &RestoreDocumentSelectFolderWizardPage::folderItemClicked);
    connect(m_folderListWidget, &QListWidget::itemDoubleClicked, this,
            &RestoreDocumentSelectFolderWizardPage::folderItemDoubleClicked);
}

void RestoreDocumentSelectFolderWizardPage::initializeLayout()
{
    auto *buttons = new QHBoxLayout;
    for (int stretch = 0; stretch < 3; ++stretch)
        buttons->addStretch();
    buttons->addWidget(m_backToolButton);
    buttons->addStretch();
    buttons->addWidget(m_homeToolButton);
    buttons->addStretch();
    buttons->addWidget(m_forwardToolButton);
    for (int stretch = 0; stretch < 3; ++stretch)
        buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_folderListWidget);
}

void RestoreDocumentSelectFolderWizardPage::initializePage()
{
    selectHomeFolder();
}

void RestoreDocumentSelectFolderWizardPage::selectFolder(int folderId)
{
    m_folderListWidget->clear();
    qorv::data::SelectFolderRequest request;
    request.set_folder_parent_id(folderId);
    qorv::data::SelectFolderReply reply;
    if (network::DirectExchange(common::op::SelectFolder, request, reply, network::ReplyErrorCodes::Ignored)) {
        for (const qorv::data::Folder &folder : reply.folder()) {
            auto *item =
                new QListWidgetItem(utils::ActionIcon("folder.png"), QString::fromStdString(folder.folder_name()),
                                    m_folderListWidget, FolderItemType);
            item->setData(FolderRole, QVariant::fromValue(folder));
        }
        m_backHistory.append(folderId);
    }
    emit completeChanged();
}

void RestoreDocumentSelectFolderWizardPage::selectHomeFolder()
{
    m_backHistory.clear();
    m_forwardHistory.clear();
    selectFolder(RestoreDocumentWizard::HomeFolderId());
}

void RestoreDocumentSelectFolderWizardPage::folderItemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const auto folder = FolderOf(item);
    selectFolder(folder ? folder->folder_id() : 0);
}

void RestoreDocumentSelectFolderWizardPage::undoSelectFolder()
{
    if (m_backHistory.size() <= 1)
        return;
    const int shown = m_backHistory.takeLast();
    const int previous = m_backHistory.takeLast();
    m_forwardHistory.append(shown);
    selectFolder(previous);
}

void RestoreDocumentSelectFolderWizardPage::redoSelectFolder()
{
    if (m_forwardHistory.isEmpty())
        return;
    selectFolder(m_forwardHistory.takeLast());
}

void RestoreDocumentSelectFolderWizardPage::folderItemClicked(QListWidgetItem *)
{
    emit completeChanged();
}

bool RestoreDocumentSelectFolderWizardPage::isHomeFolderSelected() const
{
    return m_backHistory.size() == 1 && m_forwardHistory.isEmpty();
}

bool RestoreDocumentSelectFolderWizardPage::isComplete() const
{
    return isHomeFolderSelected() || m_folderListWidget->selectedItems().size() == 1;
}

bool RestoreDocumentSelectFolderWizardPage::validatePage()
{
    const int homeFolderId = RestoreDocumentWizard::HomeFolderId();
    wizard()->setProperty("documentFolderId", homeFolderId);
    wizard()->setProperty("documentFolderName", QString());

    int target = homeFolderId;
    const QList<QListWidgetItem *> selected = m_folderListWidget->selectedItems();
    if (!selected.isEmpty()) {
        const auto folder = FolderOf(selected.first());
        if (!folder)
            return false;
        target = folder->folder_id();
    }
    const auto document = wizard()->property("document").value<qorv::data::Document>();
    if (RestoreDocumentWizard::IsFolderParentOfDocumentName(target, document.document_name())) {
        QMessageBox box(QMessageBox::Warning, tr("RestoreDocumentSelectFolderWizardPageTitle"),
                        tr("FolderIsParentOfDocumentWithNameOfDocumentToBeRestored"), QMessageBox::Ok, this);
        box.setDefaultButton(QMessageBox::NoButton);
        box.exec();
        return false;
    }
    if (target == homeFolderId)
        return true;
    const qorv::data::Folder folder = RestoreDocumentWizard::GetFolder(target);
    if (folder.folder_name().empty())
        return false;
    wizard()->setProperty("documentFolderId", folder.folder_id());
    wizard()->setProperty("documentFolderName", QString::fromStdString(folder.folder_name()));
    return true;
}
