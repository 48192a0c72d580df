// The pickers filled from one reply of n records, as the user picks them: the
// user picker lists the home groups, includes the one group whose n users
// the reply lists and adds them all; the document picker lists the home
// folder's n documents and adds them all; the group case lists n home groups
// and includes them all (one user query per group, as the picker asks). Each
// against bare QListWidgets given the same names and moved the same way.
#include "listfillbench.h"

#include "selectdocumentswidget.h"
#include "selectuserswidget.h"
#include "testserver.h"

#include "common/majorcode.h"
#include "document3.pb.h"
#include "group3.pb.h"
#include "groupkey3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectuserreply3.pb.h"
#include "user3.pb.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>

namespace
{
constexpr int AnnId = 42;
constexpr int HomeFolderId = 100;

// Names out of their order.
QString Name(const char *stem, int index)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(stem)).arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0'));
}

// What the pickers need of the logged-on user besides the id.
void WithHomeFolder(qorv::data::User &ann)
{
    ann.set_user_folder_id(HomeFolderId);
}

std::string GroupKeys(int count)
{
    qorv::data::SelectGroupKeyReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::GroupKey *key = reply.add_group_key();
        key->mutable_group_key_user()->set_user_id(AnnId);
        qorv::data::Group *group = key->mutable_group_key_group();
        group->set_group_id(700 + index);
        group->set_group_name(Name("Team", index).toStdString());
    }
    return reply.SerializeAsString();
}

std::string Users(int count)
{
    qorv::data::SelectUserReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::User *user = reply.add_user();
        user->set_user_id(1000 + index);
        user->set_user_first_name("Ann");
        user->set_user_last_name(Name("Lee", index).toStdString());
    }
    return reply.SerializeAsString();
}

std::string Documents(int count)
{
    qorv::data::SelectDocumentReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::Document *document = reply.add_document();
        document->set_document_id(1000 + index);
        document->set_document_user_id(AnnId);
        document->set_document_folder_id(HomeFolderId);
        document->set_document_name(Name("Figures", index).toStdString());
    }
    return reply.SerializeAsString();
}

template <typename Picker>
std::shared_ptr<Picker> ShownPicker()
{
    auto picker = std::make_shared<Picker>();
    picker->resize(800, 600);
    bench::WaitUntilActive(picker.get(), "the picker");
    return picker;
}

bench::Round UserPicker(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId, WithHomeFolder);
    server->reply(common::op::SelectGroupKey, 1, GroupKeys(1));
    server->reply(common::op::SelectUser, 1, Users(count));
    std::shared_ptr<SelectUsersWidget> picker = ShownPicker<SelectUsersWidget>();
    return [server, picker, count] {
        qDeleteAll(picker->selectedItems());
        picker->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        picker->init();
        picker->includeAll();
        picker->addAll();
        bench::LayOutAndPaint(picker.get());
        const double seconds = bench::SecondsSince(start);
        if (picker->selectedItems().size() != count)
            throw bench::Failure("the picker did not take every user");
        return seconds;
    };
}

bench::Round DocumentPicker(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId, WithHomeFolder);
    server->reply(common::op::SelectDocument, 1, Documents(count));
    std::shared_ptr<SelectDocumentsWidget> picker = ShownPicker<SelectDocumentsWidget>();
    return [server, picker, count] {
        qDeleteAll(picker->selectedItems());
        picker->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        picker->init();
        picker->addAll();
        bench::LayOutAndPaint(picker.get());
        const double seconds = bench::SecondsSince(start);
        if (picker->selectedItems().size() != count)
            throw bench::Failure("the picker did not take every document");
        return seconds;
    };
}

bench::Round GroupPicker(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId, WithHomeFolder);
    server->reply(common::op::SelectGroupKey, 1, GroupKeys(count));
    server->reply(common::op::SelectUser, 1, Users(1));
    std::shared_ptr<SelectUsersWidget> picker = ShownPicker<SelectUsersWidget>();
    return [server, picker, count] {
        qDeleteAll(picker->selectedItems());
        picker->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        picker->init();
        picker->includeAll();
        bench::LayOutAndPaint(picker.get());
        const double seconds = bench::SecondsSince(start);
        if (server->requests().size() != static_cast<std::size_t>(count) + 1)
            throw bench::Failure("the picker did not include every group");
        return seconds;
    };
}

// Two bare lists side by side: the n names go into the first, are all
// selected, and move into the second.
class BarePicker : public QWidget
{
public:
    BarePicker()
        : m_from(new QListWidget(this))
        , m_to(new QListWidget(this))
    {
        auto *layout = new QHBoxLayout(this);
        layout->addWidget(m_from);
        layout->addWidget(m_to);
        m_from->setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_from->setSortingEnabled(true);
        m_to->setSortingEnabled(true);
        resize(800, 600);
    }

    void clear()
    {
        m_from->clear();
        m_to->clear();
    }

    void fill(const QIcon &icon, const QStringList &names)
    {
        m_from->setSortingEnabled(false);
        for (const QString &name : names)
            new QListWidgetItem(icon, name, m_from);
        m_from->setSortingEnabled(true);
    }

    // Every listed name selected, then moved.
    void moveAll()
    {
        m_from->selectAll();
        const QList<QListWidgetItem *> items = m_from->selectedItems();
        m_to->setSortingEnabled(false);
        for (const QListWidgetItem *item : items)
            new QListWidgetItem(item->icon(), item->text(), m_to);
        m_to->setSortingEnabled(true);
        qDeleteAll(items);
    }

    // Every listed name selected, then dropped.
    void dropAll()
    {
        m_from->selectAll();
        qDeleteAll(m_from->selectedItems());
    }

private:
    QListWidget *m_from;
    QListWidget *m_to;
};

enum class BareMove
{
    Take,
    Drop,
};

bench::SizedSide BareLists(const char *stem, const char *iconName, BareMove move)
{
    return [stem, iconName, move](int count) -> bench::Round {
        auto picker = std::make_shared<BarePicker>();
        bench::WaitUntilActive(picker.get(), "the lists");
        QStringList names;
        for (int index = 0; index < count; ++index)
            names.append(Name(stem, index));
        const QIcon icon(QString::fromLatin1(iconName));
        return [picker, names, icon, move] {
            picker->clear();
            QCoreApplication::processEvents();
            const auto start = std::chrono::steady_clock::now();
            picker->fill(icon, names);
            if (move == BareMove::Take)
                picker->moveAll();
            else
                picker->dropAll();
            bench::LayOutAndPaint(picker.get());
            return bench::SecondsSince(start);
        };
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("user picker include+add all", "users", UserPicker,
                             BareLists("Lee", ":icons/32x32/user.png", BareMove::Take));
    bench::RegisterFillPairs("document picker add all", "documents", DocumentPicker,
                             BareLists("Figures", ":icons/32x32/document.png", BareMove::Take));
    bench::RegisterFillPairs("group picker include all", "groups", GroupPicker,
                             BareLists("Team", ":icons/32x32/users.png", BareMove::Drop));
    return true;
}();
}
