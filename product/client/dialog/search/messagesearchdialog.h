#ifndef MESSAGESEARCHDIALOG_H
#define MESSAGESEARCHDIALOG_H

#include "abstractsearchdialog.h"
#include "messagesearchtableview.h"

#include <cstdint>

namespace qorv::data
{
class Messages;
class SelectMessageRequest;
class SelectMessageUserRequest;
}

// Searches one message folder for the messages that the user wrote and for
// the copies that the user received, with one request each, and lists both
// in one table. The caller opens the messages of the selected rows when the
// dialog is accepted.
class MessageSearchDialog : public AbstractSearchDialog<MessageSearchTableView>
{
    Q_OBJECT

public:
    // The folder to search and the user whose messages are searched; either
    // is 0 when the caller's record has none.
    MessageSearchDialog(int messageFolderId, int userId, QWidget *parent);
    ~MessageSearchDialog() override;

    qorv::data::SelectMessageRequest getSelectMessageRequest() const;
    qorv::data::SelectMessageUserRequest getSelectMessageUserRequest() const;
    // The messages of the selected rows, in the order the table reports them.
    qorv::data::Messages selectedMessages() const;

public slots:
    void search() override;
    void itemSelectionChanged() override;
    void reset() override;

private:
    // Both requests carry the same criteria in fields of the same names.
    template <class Request>
    void addCriteria(Request &request) const;

    const std::int32_t m_messageFolderId;
    const std::int32_t m_userId;
};

#endif // MESSAGESEARCHDIALOG_H
