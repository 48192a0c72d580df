#include "folderdocumentsearchdialog.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "linguist.h"
#include "registry.h"

#include "document3.pb.h"
#include "documents3.pb.h"
#include "folder3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QCheckBox>

FolderDocumentSearchDialog::FolderDocumentSearchDialog(const qorv::data::Folder &folder, QWidget *parent)
    : DocumentSearchDialog(parent)
    , m_folder(folder)
    , m_searchSubfoldersCheckBox(new QCheckBox(tr("SearchSubfolders")))
{
    // An id that a record lacks counts as 0 on both sides, so a folder
    // without an id is the home folder of a user without one.
    const bool homeFolder = m_folder.folder_id() == RegistrySingleton::instance()->getUser().user_folder_id();
    const QString name = homeFolder ? Linguist::tr("HomeFolder") : QString::fromStdString(m_folder.folder_name());
    setWindowTitle(tr("WindowTitle").arg(name));

    m_searchForLayout->addWidget(m_searchSubfoldersCheckBox);
    connect(m_dialogButtonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &FolderDocumentSearchDialog::search);
}

FolderDocumentSearchDialog::~FolderDocumentSearchDialog() = default;

qorv::data::SelectDocumentRequest FolderDocumentSearchDialog::getSelectDocumentRequest() const
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(m_folder.folder_id());
    request.set_search_subfolders(m_searchSubfoldersCheckBox->isChecked());
    addCriteria(request);
    return request;
}

qorv::data::Documents FolderDocumentSearchDialog::selectedDocuments() const
{
    qorv::data::Documents documents;
    for (const QTableWidgetItem *item : m_resultsTableWidget->selectedItems()) {
        if (const auto document = itemrecord::FromVariant<qorv::data::Document>(item->data(DocumentRole)))
            documents.add_document()->CopyFrom(*document);
    }
    return documents;
}

void FolderDocumentSearchDialog::search()
{
    // A criterion text still being typed is committed when its field loses
    // the focus, before the request is built.
    m_resultsTableWidget->setFocus();

    qorv::data::SelectDocumentReply reply;
    if (!network::DirectExchange(common::op::SelectDocument, getSelectDocumentRequest(), reply,
                                 network::ReplyErrorCodes::Checked)) {
        searchFailed();
        return;
    }
    replaceResults(reply.document_size(), [this, &reply](int row) {
        const qorv::data::Document &document = reply.document(row);
        setDocumentRow(row, document)->setData(DocumentRole, itemrecord::ToVariant(document));
    });
}
