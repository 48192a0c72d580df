#include "selectdocumentswidget.h"

#include "common/majorcode.h"
#include "dbid.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "linguist.h"
#include "listfillguard.h"
#include "listitemindex.h"
#include "mode.h"
#include "registry.h"

#include "document3.pb.h"
#include "documents3.pb.h"
#include "folder3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "utils.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
// What each mode writes on entering, one letter per button (T enabled, F
// disabled, - untouched), in the columns: Include, Include All, Add, Add All,
// Remove, Remove All.
constexpr const char *Bindings[SelectDocumentsWidget::ModeCount] = {
    "FFFFFF", // Start
    "FF----", // NoSubfolderListed
    "-TFF--", // SubfoldersListed
    "F-----", // NoFolderSelected
    "T-----", // FolderSelected
    "F-----", // IncludedFoldersLeft
    "FF----", // IncludedNoFolderLeft
    "--FF--", // NoUnselectedDocumentLeft
    "--FT--", // UnselectedDocumentsListed
    "--F---", // NoUnselectedDocumentSelected
    "--T---", // UnselectedDocumentSelected
    "----FF", // RemovedNoDocumentLeft
    "-----T", // SelectedDocumentsGrew
    "----F-", // NoSelectedDocumentSelected
    "----T-", // SelectedDocumentSelected
};

std::optional<qorv::data::Document> ItemDocument(const QListWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::Document>(item->data(DocumentRole));
}

void AppendDocumentItem(QListWidget *list, ListItemIndex *index, const qorv::data::Document &document)
{
    auto *item = new QListWidgetItem(utils::ActionIcon("document_empty.png"),
                                     QString::fromStdString(document.document_name()), list, DocumentItemType);
    item->setData(DocumentRole, itemrecord::ToVariant(document));
    index->insert(item, document.document_id());
}

// A disabled, invisible button beside a column's label, so that the label
// rows take the height of the navigation row. The transparent background
// alone does not hide it: under Fusion it still shows as a solid black
// square. Hidden, it paints nothing while the layout keeps its place.
QToolButton *Spacer()
{
    auto *button = new QToolButton;
    button->setEnabled(false);
    button->setStyleSheet(QStringLiteral("background-color: transparent;"));
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    button->hide();
    return button;
}
}

SelectDocumentsWidget::SelectDocumentsWidget(QWidget *parent)
    : AbstractPickerWidget(ModeCount, parent)
    , m_foldersListWidget(new QListWidget)
    , m_includePushButton(new QPushButton(Linguist::tr("Include")))
    , m_backToolButton(new QToolButton)
    , m_homeToolButton(new QToolButton)
    , m_forwardToolButton(new QToolButton)
    , m_includeAllPushButton(new QPushButton(Linguist::tr("IncludeAll")))
    , m_unselectedDocumentsLabel(new QLabel(tr("UnselectedDocuments")))
    , m_unselectedDocumentsListWidget(new QListWidget)
    , m_addPushButton(new QPushButton(Linguist::tr("Add")))
    , m_addAllPushButton(new QPushButton(Linguist::tr("AddAll")))
    , m_selectedDocumentsLabel(new QLabel(tr("SelectedDocuments")))
    , m_selectedDocumentsListWidget(new QListWidget)
    , m_removePushButton(new QPushButton(Linguist::tr("Remove")))
    , m_removeAllPushButton(new QPushButton(Linguist::tr("RemoveAll")))
    , m_unselectedDocuments(new ListItemIndex(m_unselectedDocumentsListWidget))
    , m_selectedDocuments(new ListItemIndex(m_selectedDocumentsListWidget))
    , m_userId(DbId::m_NullId)
{
    m_foldersListWidget->setObjectName(QStringLiteral("foldersListWidget"));
    m_includePushButton->setObjectName(QStringLiteral("includePushButton"));
    m_backToolButton->setObjectName(QStringLiteral("backToolButton"));
    m_homeToolButton->setObjectName(QStringLiteral("homeToolButton"));
    m_forwardToolButton->setObjectName(QStringLiteral("forwardToolButton"));
    m_includeAllPushButton->setObjectName(QStringLiteral("includeAllPushButton"));
    m_unselectedDocumentsListWidget->setObjectName(QStringLiteral("unselectedDocumentsListWidget"));
    m_addPushButton->setObjectName(QStringLiteral("addPushButton"));
    m_addAllPushButton->setObjectName(QStringLiteral("addAllPushButton"));
    m_selectedDocumentsListWidget->setObjectName(QStringLiteral("selectedDocumentsListWidget"));
    m_removePushButton->setObjectName(QStringLiteral("removePushButton"));
    m_removeAllPushButton->setObjectName(QStringLiteral("removeAllPushButton"));

    initializeMode();
    initializeWindow();
    initializeLayout();
}

SelectDocumentsWidget::~SelectDocumentsWidget() = default;

void SelectDocumentsWidget::setUserId(int userId)
{
    m_userId = userId;
}

int SelectDocumentsWidget::userId() const
{
    return m_userId;
}

void SelectDocumentsWidget::addExcludedDocument(int documentId)
{
    m_excludedDocuments.insert(documentId);
}

void SelectDocumentsWidget::addDocument(const qorv::data::Document &document)
{
    if (isDocumentAdded(document))
        return;
    AppendDocumentItem(m_selectedDocumentsListWidget, m_selectedDocuments, document);
    enter(SelectedDocumentsGrew);
}

qorv::data::Documents SelectDocumentsWidget::selectedDocuments() const
{
    qorv::data::Documents documents;
    for (const QListWidgetItem *item : selectedItems()) {
        if (const std::optional<qorv::data::Document> document = ItemDocument(item))
            *documents.add_document() = *document;
    }
    return documents;
}

QList<QListWidgetItem *> SelectDocumentsWidget::selectedItems() const
{
    return allItems(m_selectedDocumentsListWidget);
}

void SelectDocumentsWidget::clear()
{
    m_foldersListWidget->clear();
    m_unselectedDocumentsListWidget->clear();
}

bool SelectDocumentsWidget::isDocumentIncluded(const qorv::data::Document &document) const
{
    return m_unselectedDocuments->find(DocumentItemType, document.document_id()) != nullptr;
}

bool SelectDocumentsWidget::isDocumentAdded(const qorv::data::Document &document) const
{
    return m_selectedDocuments->find(DocumentItemType, document.document_id()) != nullptr;
}

void SelectDocumentsWidget::includeDocument(const qorv::data::Document &document)
{
    AppendDocumentItem(m_unselectedDocumentsListWidget, m_unselectedDocuments, document);
}

void SelectDocumentsWidget::includeFolder(const qorv::data::Folder &folder)
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folder.folder_id());
    for (const int id : m_excludedDocuments)
        request.add_exclude_document_id(id);
    qorv::data::SelectDocumentReply reply;
    if (!network::DirectExchange(common::op::SelectDocument, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    // Going to a folder empties the unselected documents, so only a chosen
    // document can already be listed.
    for (const qorv::data::Document &document : reply.document()) {
        if (!isDocumentAdded(document))
            includeDocument(document);
    }
}

void SelectDocumentsWidget::selectFolder(int folderId)
{
    clear();
    qorv::data::SelectFolderRequest request;
    request.set_folder_parent_id(folderId);
    qorv::data::SelectFolderReply reply;
    if (network::DirectExchange(common::op::SelectFolder, request, reply, network::ReplyErrorCodes::Ignored)) {
        const ListFillGuard fill(m_foldersListWidget);
        for (const qorv::data::Folder &folder : reply.folder()) {
            auto *item =
                new QListWidgetItem(utils::ActionIcon("folder.png"), QString::fromStdString(folder.folder_name()),
                                    m_foldersListWidget, FolderItemType);
            item->setData(FolderRole, itemrecord::ToVariant(folder));
        }
        m_backHistory.append(folderId);
    }
    enter(m_foldersListWidget->count() > 0 ? SubfoldersListed : NoSubfolderListed);
}

void SelectDocumentsWidget::undoSelectFolder()
{
    if (m_backHistory.size() <= 1)
        return;
    const int current = m_backHistory.takeLast();
    const int previous = m_backHistory.takeLast();
    m_forwardHistory.append(current);
    selectFolder(previous);
}

void SelectDocumentsWidget::selectHomeFolder()
{
    init();
}

void SelectDocumentsWidget::redoSelectFolder()
{
    if (m_forwardHistory.isEmpty())
        return;
    selectFolder(m_forwardHistory.takeLast());
}

void SelectDocumentsWidget::foldersListWidgetItemSelectionChanged()
{
    enter(m_foldersListWidget->selectedItems().isEmpty() ? NoFolderSelected : FolderSelected);
}

void SelectDocumentsWidget::unselectedDocumentsListWidgetItemSelectionChanged()
{
    enter(m_unselectedDocumentsListWidget->selectedItems().isEmpty() ? NoUnselectedDocumentSelected
                                                                     : UnselectedDocumentSelected);
}

void SelectDocumentsWidget::selectedDocumentsListWidgetItemSelectionChanged()
{
    enter(m_selectedDocumentsListWidget->selectedItems().isEmpty() ? NoSelectedDocumentSelected
                                                                   : SelectedDocumentSelected);
}

void SelectDocumentsWidget::include()
{
    const QList<QListWidgetItem *> items = m_foldersListWidget->selectedItems();
    if (items.isEmpty())
        return;
    {
        const ListFillGuard fillDocuments(m_unselectedDocumentsListWidget);
        const ListFillGuard emptyFolders(m_foldersListWidget);
        for (const QListWidgetItem *item : items) {
            if (const auto folder = itemrecord::FromVariant<qorv::data::Folder>(item->data(FolderRole)))
                includeFolder(*folder);
        }
        // An included folder leaves the list until the list is filled again.
        removeItems(m_foldersListWidget, items);
    }
    enter(m_foldersListWidget->count() > 0 ? IncludedFoldersLeft : IncludedNoFolderLeft);
    enter(m_unselectedDocumentsListWidget->count() > 0 ? UnselectedDocumentsListed : NoUnselectedDocumentLeft);
}

void SelectDocumentsWidget::includeAll()
{
    m_foldersListWidget->selectAll();
    include();
}

void SelectDocumentsWidget::add()
{
    const QList<QListWidgetItem *> items = m_unselectedDocumentsListWidget->selectedItems();
    if (items.isEmpty())
        return;
    const int addedBefore = m_selectedDocumentsListWidget->count();
    {
        const ListFillGuard fillSelected(m_selectedDocumentsListWidget);
        const ListFillGuard emptyUnselected(m_unselectedDocumentsListWidget);
        for (const QListWidgetItem *item : items) {
            if (const std::optional<qorv::data::Document> document = ItemDocument(item))
                addDocument(*document);
        }
        removeItems(m_unselectedDocumentsListWidget, items);
    }
    enter(m_unselectedDocumentsListWidget->count() > 0 ? NoUnselectedDocumentSelected : NoUnselectedDocumentLeft);
    if (m_selectedDocumentsListWidget->count() > addedBefore)
        enter(SelectedDocumentsGrew);
}

void SelectDocumentsWidget::addAll()
{
    m_unselectedDocumentsListWidget->selectAll();
    add();
}

void SelectDocumentsWidget::remove()
{
    const QList<QListWidgetItem *> items = m_selectedDocumentsListWidget->selectedItems();
    if (items.isEmpty())
        return;
    const int listedBefore = m_unselectedDocumentsListWidget->count();
    {
        const ListFillGuard fillUnselected(m_unselectedDocumentsListWidget);
        const ListFillGuard emptySelected(m_selectedDocumentsListWidget);
        for (const QListWidgetItem *item : items) {
            if (const std::optional<qorv::data::Document> document = ItemDocument(item))
                includeDocument(*document);
        }
        removeItems(m_selectedDocumentsListWidget, items);
    }
    enter(m_selectedDocumentsListWidget->count() > 0 ? NoSelectedDocumentSelected : RemovedNoDocumentLeft);
    if (m_unselectedDocumentsListWidget->count() > listedBefore)
        enter(UnselectedDocumentsListed);
}

void SelectDocumentsWidget::removeAll()
{
    m_selectedDocumentsListWidget->selectAll();
    remove();
}

void SelectDocumentsWidget::init()
{
    m_backHistory.clear();
    m_forwardHistory.clear();
    const int home = RegistrySingleton::instance()->getUser().user_folder_id();
    selectFolder(home);
    // Going to a folder lists only its subfolders; the home folder's own
    // documents are offered from the start.
    qorv::data::Folder homeFolder;
    homeFolder.set_folder_id(home);
    includeFolder(homeFolder);
}

void SelectDocumentsWidget::folderItemDoubleClicked(QListWidgetItem *item)
{
    if (const auto folder = itemrecord::FromVariant<qorv::data::Folder>(item->data(FolderRole)))
        selectFolder(folder->folder_id());
}

void SelectDocumentsWidget::enterMode(int mode)
{
    if (mode == modeId(SubfoldersListed))
        m_foldersListWidget->setFocus(Qt::OtherFocusReason);
}

void SelectDocumentsWidget::leaveMode(int)
{
}

void SelectDocumentsWidget::initializeMode()
{
    bindControls(Bindings, {m_includePushButton, m_includeAllPushButton, m_addPushButton, m_addAllPushButton,
                            m_removePushButton, m_removeAllPushButton});
    connect(m_mode, &Mode::enterMode, this, &SelectDocumentsWidget::enterMode);
    connect(m_mode, &Mode::leaveMode, this, &SelectDocumentsWidget::leaveMode);
    enter(Start);
}

void SelectDocumentsWidget::initializeWindow()
{
    for (QListWidget *list : {m_foldersListWidget, m_unselectedDocumentsListWidget, m_selectedDocumentsListWidget}) {
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        list->setSortingEnabled(true);
    }
    m_backToolButton->setArrowType(Qt::LeftArrow);
    m_homeToolButton->setIcon(utils::ActionIcon("home.png"));
    m_forwardToolButton->setArrowType(Qt::RightArrow);
    m_includePushButton->setIcon(utils::ActionIcon("folder_right.png"));
    m_includeAllPushButton->setIcon(utils::ActionIcon("folders_right.png"));
    m_addPushButton->setIcon(utils::ActionIcon("document_empty_add.png"));
    m_addAllPushButton->setIcon(utils::ActionIcon("documents_empty_add.png"));
    m_removePushButton->setIcon(utils::ActionIcon("document_empty_delete.png"));
    m_removeAllPushButton->setIcon(utils::ActionIcon("documents_empty_delete.png"));

    connect(m_backToolButton, &QToolButton::clicked, this, &SelectDocumentsWidget::undoSelectFolder);
    connect(m_homeToolButton, &QToolButton::clicked, this, &SelectDocumentsWidget::selectHomeFolder);
    connect(m_forwardToolButton, &QToolButton::clicked, this, &SelectDocumentsWidget::redoSelectFolder);
    connect(m_includePushButton, &QPushButton::clicked, this, &SelectDocumentsWidget::include);
    connect(m_includeAllPushButton, &QPushButton::clicked, this, &SelectDocumentsWidget::includeAll);
    connect(m_addPushButton, &QPushButton::clicked, this, &SelectDocumentsWidget::add);
    connect(m_addAllPushButton, &QPushButton::clicked, this, &SelectDocumentsWidget::addAll);
    connect(m_removePushButton, &QPushButton::clicked, this, &SelectDocumentsWidget::remove);
    connect(m_removeAllPushButton, &QPushButton::clicked, this, &SelectDocumentsWidget::removeAll);
    connect(m_foldersListWidget, &QListWidget::itemDoubleClicked, this,
            &SelectDocumentsWidget::folderItemDoubleClicked);
    connect(m_foldersListWidget, &QListWidget::itemSelectionChanged, this,
            &SelectDocumentsWidget::foldersListWidgetItemSelectionChanged);
    connect(m_unselectedDocumentsListWidget, &QListWidget::itemSelectionChanged, this,
            &SelectDocumentsWidget::unselectedDocumentsListWidgetItemSelectionChanged);
    connect(m_selectedDocumentsListWidget, &QListWidget::itemSelectionChanged, this,
            &SelectDocumentsWidget::selectedDocumentsListWidgetItemSelectionChanged);
}

void SelectDocumentsWidget::initializeLayout()
{
    auto *navigation = new QHBoxLayout;
    for (int stretch = 0; stretch < 3; ++stretch)
        navigation->addStretch();
    navigation->addWidget(m_backToolButton);
    navigation->addStretch();
    navigation->addWidget(m_homeToolButton);
    navigation->addStretch();
    navigation->addWidget(m_forwardToolButton);
    for (int stretch = 0; stretch < 3; ++stretch)
        navigation->addStretch();
    auto *includeButtons = new QHBoxLayout;
    includeButtons->addWidget(m_includePushButton);
    includeButtons->addWidget(m_includeAllPushButton);
    auto *folders = new QVBoxLayout;
    folders->addLayout(navigation);
    folders->addWidget(m_foldersListWidget);
    folders->addLayout(includeButtons);

    auto *unselectedHeading = new QHBoxLayout;
    unselectedHeading->addWidget(m_unselectedDocumentsLabel);
    unselectedHeading->addWidget(Spacer());
    auto *addButtons = new QHBoxLayout;
    addButtons->addWidget(m_addPushButton);
    addButtons->addWidget(m_addAllPushButton);
    auto *unselected = new QVBoxLayout;
    unselected->addLayout(unselectedHeading);
    unselected->addWidget(m_unselectedDocumentsListWidget);
    unselected->addLayout(addButtons);

    auto *selectedHeading = new QHBoxLayout;
    selectedHeading->addWidget(m_selectedDocumentsLabel);
    selectedHeading->addWidget(Spacer());
    auto *removeButtons = new QHBoxLayout;
    removeButtons->addWidget(m_removePushButton);
    removeButtons->addWidget(m_removeAllPushButton);
    auto *selected = new QVBoxLayout;
    selected->addLayout(selectedHeading);
    selected->addWidget(m_selectedDocumentsListWidget);
    selected->addLayout(removeButtons);

    m_topLayout->addLayout(folders);
    m_topLayout->addLayout(unselected);
    m_topLayout->addLayout(selected);
}
