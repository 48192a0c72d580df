// The key panes filled from one reply of n keys: a document's and a folder's
// keyring (each key as the keyring window is handed it, one row per key with
// its rule cells, icon, records and three collapsed subtrees) and the windows
// of the keys the user received (the refresh exchange with the test server
// and the same rows). Against a bare QTreeWidget given the same rows, each
// with three collapsed children, columns fitted to their contents.
//
// The rounds hand the keys on in the order of the reply. So does the document
// keyring's manager, but the folder keyring's manager first sorts the keys by
// their users' names (a sort private to it, out of this program's reach): the
// folder keyring rounds leave out that sort and fill the rows in reply order,
// which is not the order the users' names give.
#include "listfillbench.h"

#include "documentkeyringview.h"
#include "documentkeysview.h"
#include "folderkeyringview.h"
#include "folderkeysview.h"
#include "listfillguard.h"
#include "testserver.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "securitydescriptor3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "user3.pb.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QStringList>
#include <QTreeWidget>

#include <memory>
#include <string>

namespace
{
constexpr int AnnId = 42;
constexpr int DocumentId = 21;
constexpr int FolderId = 100;

// Users in no particular order.
std::string LastName(int index)
{
    return QStringLiteral("Lee%1").arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0')).toStdString();
}

void FillUser(qorv::data::User &user, int index)
{
    user.set_user_id(1000 + index);
    user.set_user_first_name("Ann");
    user.set_user_last_name(LastName(index));
}

qorv::data::SelectDocumentKeyReply DocumentKeys(int count)
{
    qorv::data::SelectDocumentKeyReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::DocumentKey *key = reply.add_document_key();
        qorv::data::Document *document = key->mutable_document_key_document();
        document->set_document_id(DocumentId + (index % 50));
        document->set_document_name("Figures");
        document->set_document_creation_date("2024-03-05 14:07:09");
        document->set_document_modification_date("2024-06-12 10:00:00");
        FillUser(*key->mutable_document_key_user(), index);
        key->mutable_document_key_owner()->set_user_id(AnnId);
        key->set_document_key_creation_date("2024-03-05 14:07:09");
        key->mutable_document_key_security_descriptor()->set_permissions(0x7FF);
    }
    return reply;
}

qorv::data::SelectFolderKeyReply FolderKeys(int count)
{
    qorv::data::SelectFolderKeyReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::FolderKey *key = reply.add_folder_key();
        key->mutable_folder_key_folder()->set_folder_id(FolderId + (index % 50));
        key->mutable_folder_key_folder()->set_folder_name("Reports");
        FillUser(*key->mutable_folder_key_user(), index);
        key->mutable_folder_key_owner()->set_user_id(AnnId);
        key->set_folder_key_creation_date("2024-03-05 14:07:09");
        key->mutable_folder_key_security_descriptor()->set_permissions(0x7FF);
    }
    return reply;
}

template <typename Window>
QTreeWidget *ShownPane(Window &window)
{
    window.resize(800, 600);
    bench::WaitUntilActive(&window, "the key window");
    return window.template findChild<QTreeWidget *>();
}

double Finished(QTreeWidget *pane, int count, const std::chrono::steady_clock::time_point &start)
{
    bench::LayOutAndPaint(pane);
    const double seconds = bench::SecondsSince(start);
    if (pane->topLevelItemCount() != count)
        throw bench::Failure("the pane did not show every key");
    return seconds;
}

bench::Round DocumentKeyring(int count)
{
    bench::LogOn(AnnId);
    auto window = std::make_shared<DocumentKeyringView>(DocumentId, QStringLiteral("Figures"), nullptr);
    QTreeWidget *pane = ShownPane(*window);
    const std::string payload = DocumentKeys(count).SerializeAsString();
    return [window, pane, payload, count] {
        pane->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        qorv::data::SelectDocumentKeyReply reply;
        reply.ParseFromString(payload);
        {
            // As the keyring's manager hands a reply on: the pane fits its
            // columns once, after the last key.
            const ListFillGuard fill(pane, ListFillGuard::ResizeColumnsToContents);
            for (const qorv::data::DocumentKey &key : reply.document_key())
                emit window->addDocumentKey(key);
        }
        return Finished(pane, count, start);
    };
}

bench::Round FolderKeyring(int count)
{
    bench::LogOn(AnnId);
    auto window = std::make_shared<FolderKeyringView>(FolderId, QStringLiteral("Reports"), nullptr);
    QTreeWidget *pane = ShownPane(*window);
    const std::string payload = FolderKeys(count).SerializeAsString();
    return [window, pane, payload, count] {
        pane->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        qorv::data::SelectFolderKeyReply reply;
        reply.ParseFromString(payload);
        {
            // As the keyring's manager hands a reply on, less its sort by
            // user name: the pane fits its columns once, after the last key.
            const ListFillGuard fill(pane, ListFillGuard::ResizeColumnsToContents);
            for (const qorv::data::FolderKey &key : reply.folder_key())
                emit window->addFolderKey(key);
        }
        return Finished(pane, count, start);
    };
}

template <typename Window>
bench::Round ReceivedKeys(int count, common::Opcode opcode, common::Opcode tag, const std::string &payload)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId);
    server->reply(opcode, tag, payload);
    // The window refreshes once as it opens; a round starts from an empty pane.
    auto window = std::make_shared<Window>();
    QTreeWidget *pane = ShownPane(*window);
    pane->clear();
    return [server, window, pane, count] {
        pane->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        window->refresh();
        return Finished(pane, count, start);
    };
}

bench::Round ReceivedDocumentKeys(int count)
{
    return ReceivedKeys<DocumentKeysView>(count, common::op::SelectDocumentKey, common::tag::RefreshDocumentKeys,
                                          DocumentKeys(count).SerializeAsString());
}

bench::Round ReceivedFolderKeys(int count)
{
    return ReceivedKeys<FolderKeysView>(count, common::op::SelectFolderKey, common::tag::RefreshFolderKeys,
                                        FolderKeys(count).SerializeAsString());
}

bench::Round BarePane(int count)
{
    auto tree = std::make_shared<QTreeWidget>();
    tree->resize(800, 600);
    tree->setHeaderLabels({"User", "Active", "Hours", "Region", "Session", "Expires"});
    bench::WaitUntilActive(tree.get(), "the tree");
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(QString::fromStdString(LastName(index)) + QStringLiteral(", Ann"));
    const QIcon icon(QStringLiteral(":icons/32x32/key1.png"));
    return [tree, names, icon] {
        tree->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        QList<QTreeWidgetItem *> rows;
        rows.reserve(names.size());
        for (const QString &name : names) {
            auto *row = new QTreeWidgetItem({name, QStringLiteral("Yes"), QStringLiteral("00:00-24:00"),
                                             QStringLiteral("UTC"), QStringLiteral("60"), QString()});
            row->setIcon(0, icon);
            for (const QString &subtree :
                 {QStringLiteral("Permissions"), QStringLiteral("Days"), QStringLiteral("Months")})
                new QTreeWidgetItem(row, {subtree});
            rows.append(row);
        }
        tree->addTopLevelItems(rows);
        for (int column = 0; column < tree->columnCount(); ++column)
            tree->resizeColumnToContents(column);
        bench::LayOutAndPaint(tree.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("document keyring fill", "keys", DocumentKeyring, BarePane);
    bench::RegisterFillPairs("folder keyring fill", "keys", FolderKeyring, BarePane);
    bench::RegisterFillPairs("received document keys fill", "keys", ReceivedDocumentKeys, BarePane);
    bench::RegisterFillPairs("received folder keys fill", "keys", ReceivedFolderKeys, BarePane);
    return true;
}();
}
