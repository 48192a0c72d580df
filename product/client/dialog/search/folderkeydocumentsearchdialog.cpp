#include "folderkeydocumentsearchdialog.h"

#include "common/majorcode.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "documentkeyreader.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "registry.h"

#include "documentkey3.pb.h"
#include "documentkeys3.pb.h"
#include "folderkey3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

#include <QCheckBox>
#include <QFont>

namespace
{
bool IsValidTimestamp(const std::string &text)
{
    return DbTimestamp(text).isValid();
}
}

FolderKeyDocumentSearchDialog::FolderKeyDocumentSearchDialog(const qorv::data::FolderKey &folderKey, QWidget *parent)
    : DocumentSearchDialog(parent)
    , m_folderKey(folderKey)
    , m_searchSubfoldersCheckBox(new QCheckBox(tr("SearchSubfolders")))
{
    setWindowTitle(tr("WindowTitle").arg(QString::fromStdString(m_folderKey.folder_key_folder().folder_name())));

    m_searchForLayout->addWidget(m_searchSubfoldersCheckBox);
    connect(m_dialogButtonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &FolderKeyDocumentSearchDialog::search);
}

FolderKeyDocumentSearchDialog::~FolderKeyDocumentSearchDialog() = default;

qorv::data::SelectDocumentKeyRequest FolderKeyDocumentSearchDialog::getSelectDocumentKeyRequest() const
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    request.set_document_folder_id(m_folderKey.folder_key_folder().folder_id());
    request.set_search_subfolders(m_searchSubfoldersCheckBox->isChecked());
    addCriteria(request);
    return request;
}

qorv::data::DocumentKeys FolderKeyDocumentSearchDialog::selectedDocumentKeys() const
{
    qorv::data::DocumentKeys documentKeys;
    for (const QTableWidgetItem *item : m_resultsTableWidget->selectedItems()) {
        if (const auto documentKey = itemrecord::FromVariant<qorv::data::DocumentKey>(item->data(DocumentKeyRole)))
            documentKeys.add_document_key()->CopyFrom(*documentKey);
    }
    return documentKeys;
}

void FolderKeyDocumentSearchDialog::search()
{
    // A criterion text still being typed is committed when its field loses
    // the focus, before the request is built.
    m_resultsTableWidget->setFocus();

    qorv::data::SelectDocumentKeyReply reply;
    if (!network::DirectExchange(common::op::SelectDocumentKey, getSelectDocumentKeyRequest(), reply,
                                 network::ReplyErrorCodes::Checked)) {
        searchFailed();
        return;
    }
    replaceResults(reply.document_key_size(), [this, &reply](int row) {
        const qorv::data::DocumentKey &documentKey = reply.document_key(row);
        const qorv::data::Document &document = documentKey.document_key_document();
        // A key whose document lacks either time keeps an empty row.
        if (!IsValidTimestamp(document.document_creation_date())
            || !IsValidTimestamp(document.document_modification_date()))
            return;
        QTableWidgetItem *name = setDocumentRow(row, document);
        name->setData(DocumentKeyRole, itemrecord::ToVariant(documentKey));
        if (DocumentKeyReader(documentKey).property(DocumentKeyProxy::EmphasizeName)) {
            QFont font = name->font();
            font.setWeight(QFont::Bold);
            name->setFont(font);
        }
    });
}
