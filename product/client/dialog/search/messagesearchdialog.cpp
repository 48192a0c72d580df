#include "messagesearchdialog.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "linguist.h"
#include "messagereader.h"
#include "searchcriteria.h"
#include "searchresultitem.h"

#include "message3.pb.h"
#include "messages3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <cstddef>
#include <vector>

namespace
{
// Sender, subject, content, creation date, modification date.
const SearchCriteria &Criteria()
{
    static const SearchCriteria criteria({
        {SearchCriteria::Subject::Text, 4, 64},
        {SearchCriteria::Subject::Text, 4, 256},
        {SearchCriteria::Subject::Text, 1, 2000},
        {SearchCriteria::Subject::Date, 6, 0},
        {SearchCriteria::Subject::Date, 6, 0},
    });
    return criteria;
}
}

MessageSearchDialog::MessageSearchDialog(int messageFolderId, int userId, QWidget *parent)
    : AbstractSearchDialog<MessageSearchTableView>(parent)
    , m_messageFolderId(messageFolderId)
    , m_userId(userId)
{
    setWindowTitle(tr("WindowTitle"));

    setResultColumns(
        {tr("MessageFrom"), tr("MessageSubject"), Linguist::tr("CreationDate"), Linguist::tr("ModificationDate")});

    connect(m_resultsTableWidget, &QTableWidget::itemSelectionChanged, this,
            &MessageSearchDialog::itemSelectionChanged);
    connect(m_dialogButtonBox->button(QDialogButtonBox::Reset), &QPushButton::clicked, this,
            &MessageSearchDialog::reset);
    connect(m_dialogButtonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &MessageSearchDialog::search);
}

MessageSearchDialog::~MessageSearchDialog() = default;

template <class Request>
void MessageSearchDialog::addCriteria(Request &request) const
{
    request.set_logical_operator(allCriteriaMustHold() ? Request::LOGICAL_AND : Request::LOGICAL_OR);
    using Field = decltype(request.mutable_message_from_equal());
    // Indexed by subject, then by predicate, as the criteria editor counts them.
    const std::vector<std::vector<Field>> fields = {
        {request.mutable_message_from_equal(), request.mutable_message_from_not_equal(),
         request.mutable_message_from_like(), request.mutable_message_from_not_like()},
        {request.mutable_message_subject_equal(), request.mutable_message_subject_not_equal(),
         request.mutable_message_subject_like(), request.mutable_message_subject_not_like()},
        {request.mutable_message_body_contains()},
        {request.mutable_message_creation_date_equal(), request.mutable_message_creation_date_not_equal(),
         request.mutable_message_creation_date_less_than(), request.mutable_message_creation_date_greater_than(),
         request.mutable_message_creation_date_less_than_or_equal(),
         request.mutable_message_creation_date_greater_than_or_equal()},
        {request.mutable_message_modification_date_equal(), request.mutable_message_modification_date_not_equal(),
         request.mutable_message_modification_date_less_than(),
         request.mutable_message_modification_date_greater_than(),
         request.mutable_message_modification_date_less_than_or_equal(),
         request.mutable_message_modification_date_greater_than_or_equal()},
    };
    for (const SearchCriteria::Entry &entry : Criteria().entries(*m_searchTableView->getStandardItemModel()))
        *fields[std::size_t(entry.subject)][std::size_t(entry.predicate)]->Add() = entry.value;
}

qorv::data::SelectMessageRequest MessageSearchDialog::getSelectMessageRequest() const
{
    qorv::data::SelectMessageRequest request;
    request.set_message_folder_id(m_messageFolderId);
    request.set_message_user_id(m_userId);
    addCriteria(request);
    return request;
}

qorv::data::SelectMessageUserRequest MessageSearchDialog::getSelectMessageUserRequest() const
{
    qorv::data::SelectMessageUserRequest request;
    request.set_message_user_message_folder_id(m_messageFolderId);
    request.set_message_user_user_id(m_userId);
    addCriteria(request);
    return request;
}

qorv::data::Messages MessageSearchDialog::selectedMessages() const
{
    qorv::data::Messages messages;
    for (const QTableWidgetItem *item : m_resultsTableWidget->selectedItems()) {
        if (const auto message = itemrecord::FromVariant<qorv::data::Message>(item->data(MessageRole)))
            messages.add_message()->CopyFrom(*message);
    }
    return messages;
}

void MessageSearchDialog::search()
{
    // A criterion text still being typed is committed when its field loses
    // the focus, before the requests are built.
    m_resultsTableWidget->setFocus();

    // The user's own messages, then the copies received. Both always go out,
    // in this order; but the list is one answer, so it changes only when both
    // came back: half of it would pass for all that matched.
    qorv::data::SelectMessageReply own;
    const bool ownFound = network::DirectExchange(common::op::SelectMessage, getSelectMessageRequest(), own,
                                                  network::ReplyErrorCodes::Checked);
    qorv::data::SelectMessageUserReply received;
    const bool receivedFound = network::DirectExchange(common::op::SelectMessageUser, getSelectMessageUserRequest(),
                                                       received, network::ReplyErrorCodes::Checked);
    if (!ownFound || !receivedFound) {
        showSearchFailure(tr("SearchFailed"));
        return;
    }

    const int ownCount = own.message_size();
    replaceResults(ownCount + received.message_size(), [&](int row) {
        // A message that both replies hold is listed twice, once from each.
        const qorv::data::Message &message = row < ownCount ? own.message(row) : received.message(row - ownCount);
        QTableWidgetItem *from = search::ResultItem(MessageReader(message).senderDisplayNameAlphabetical());
        from->setData(MessageRole, itemrecord::ToVariant(message));
        m_resultsTableWidget->setItem(row, 0, from);
        m_resultsTableWidget->setItem(row, 1, search::ResultItem(message.message_subject()));
        m_resultsTableWidget->setItem(row, 2, search::ResultDateItem(message.message_creation_date()));
        m_resultsTableWidget->setItem(row, 3, search::ResultDateItem(message.message_modification_date()));
    });
}

void MessageSearchDialog::itemSelectionChanged()
{
    AbstractSearchDialog<MessageSearchTableView>::itemSelectionChanged();
}

void MessageSearchDialog::reset()
{
    AbstractSearchDialog<MessageSearchTableView>::reset();
}
