#include "clienttranslation.h"
#include "documentbrowsermainpanelistwidget.h"
#include "documentbrowsersidepanelistwidget.h"
#include "documentbrowserview.h"
#include "folderancestry.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "keyrules.h"
#include "mainpanedrop.h"
#include "recordmimedata.h"
#include "registry.h"
#include "scopedclock.h"
#include "sidepanedrop.h"
#include "syntheticdrag.h"
#include "testenvironment.h"

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "user3.pb.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::KeyRules;

namespace
{
constexpr int HomeFolderId = 100;

// The signals a pane emitted, by name and in order; the two-argument moves
// are marked "+id".
class SignalLog : public QObject
{
    Q_OBJECT

public:
    explicit SignalLog(QObject *watched)
    {
        const QMetaObject *watchedClass = watched->metaObject();
        const int record = metaObject()->indexOfSlot("record()");
        for (int index = watchedClass->methodOffset(); index < watchedClass->methodCount(); ++index) {
            if (watchedClass->method(index).methodType() == QMetaMethod::Signal)
                QMetaObject::connect(watched, index, this, record);
        }
    }

    QStringList names;

public slots:
    void record()
    {
        const QMetaMethod signal = sender()->metaObject()->method(senderSignalIndex());
        names.append(QString::fromLatin1(signal.name()) + (signal.parameterCount() == 2 ? "+id" : ""));
    }
};

qorv::data::Folder Folder(int id, int parentId, const std::string &name, const std::string &description = {})
{
    qorv::data::Folder folder;
    folder.set_folder_id(id);
    folder.set_folder_parent_id(parentId);
    folder.set_folder_name(name);
    if (!description.empty())
        folder.set_folder_description(description);
    return folder;
}

qorv::data::Document Document(int id, int folderId, const std::string &name, const std::string &description = {})
{
    qorv::data::Document document;
    document.set_document_id(id);
    document.set_document_folder_id(folderId);
    document.set_document_name(name);
    if (!description.empty())
        document.set_document_description(description);
    return document;
}

qorv::data::GroupKey GroupKey(int id, const std::string &name)
{
    qorv::data::GroupKey key;
    key.mutable_group_key_group()->set_group_id(id);
    key.mutable_group_key_group()->set_group_name(name);
    return key;
}

qorv::data::User User(int id, const std::string &first, const std::string &last)
{
    qorv::data::User user;
    user.set_user_id(id);
    if (!first.empty())
        user.set_user_first_name(first);
    if (!last.empty())
        user.set_user_last_name(last);
    return user;
}

qorv::data::FolderKey FolderKey(int folderId, const qorv::data::SecurityDescriptor &rules, unsigned properties = 0)
{
    qorv::data::FolderKey key = testsupport::FolderKeyWith(rules);
    key.mutable_folder_key_folder()->set_folder_id(folderId);
    key.set_folder_key_properties(properties);
    return key;
}

qorv::data::DocumentKey DocumentKey(int documentId, const qorv::data::SecurityDescriptor &rules,
                                    unsigned properties = 0)
{
    qorv::data::DocumentKey key = testsupport::DocumentKeyWith(rules);
    key.mutable_document_key_document()->set_document_id(documentId);
    key.set_document_key_properties(properties);
    return key;
}

QStringList Texts(const QListWidget &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

QList<int> Types(const QListWidget &list)
{
    QList<int> types;
    for (int row = 0; row < list.count(); ++row)
        types.append(list.item(row)->type());
    return types;
}

std::unique_ptr<QMimeData> Carrying(const QStringList &formats, const QByteArray &bytes)
{
    auto mimeData = std::make_unique<QMimeData>();
    for (const QString &format : formats)
        mimeData->setData(format, bytes);
    return mimeData;
}

QByteArray Bytes(const google::protobuf::MessageLite &record)
{
    return QByteArray::fromStdString(record.SerializeAsString());
}

const QString DocumentFormat = QStringLiteral("qorv/proto/Document");
const QString FolderFormat = QStringLiteral("qorv/proto/Folder");

// What a drop decided, in words: "refused", "document 7 into 12",
// "folder 3 into shown".
QString Described(const PaneDrop &drop)
{
    const QString into = drop.folderId ? QString::number(*drop.folderId) : QStringLiteral("shown");
    switch (drop.kind) {
    case PaneDrop::Kind::MoveDocument:
        return QStringLiteral("document %1 into %2").arg(drop.document.document_id()).arg(into);
    case PaneDrop::Kind::MoveFolder:
        return QStringLiteral("folder %1 into %2").arg(drop.folder.folder_id()).arg(into);
    case PaneDrop::Kind::Refused:
        break;
    }
    return QStringLiteral("refused");
}

using Source = PaneDragFacts::Source;

// Opens the pane's context menu at the point and, while it is open, notes its
// entries ("---" for a separator, "(off)" after a disabled one), runs
// meanwhile and chooses the entry named choice (none: the menu is closed).
// Returns the entries, or "no menu" when none was shown.
QStringList ContextMenu(QListWidget &pane, const QPoint &at, const QString &choice,
                        std::function<void()> meanwhile = {})
{
    QStringList entries{QStringLiteral("no menu")};
    QTimer::singleShot(0, &pane, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        entries.clear();
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            entries.append(action->isSeparator() ? QStringLiteral("---")
                                                 : action->text() + (action->isEnabled() ? "" : " (off)"));
            if (!action->isSeparator() && action->text() == choice)
                chosen = action;
        }
        if (meanwhile)
            meanwhile();
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, pane.viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(pane.viewport(), &event);
    QCoreApplication::processEvents();
    return entries;
}
}

Q_DECLARE_METATYPE(qorv::data::SecurityDescriptor)
Q_DECLARE_METATYPE(PaneDragFacts::Source)

// The document browser's two panes on their own: the items they list and
// how, the signals their gestures give, and what they accept in a drop.
class TestBrowserPanes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::ScopedClock> m_clock;

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::InstallClientTranslation());
        qorv::data::User ann = User(42, "Ann", "Lee");
        ann.set_user_folder_id(HomeFolderId);
        RegistrySingleton::instance()->setUser(ann);
        // A Wednesday in June, at noon in the machine's zone.
        m_clock = std::make_unique<testsupport::ScopedClock>(testsupport::UtcInstant(2024, 6, 12, 10, 0, 0));
    }

    void cleanupTestCase() { m_clock.reset(); }

    // Main pane: received keys

    void keyItems_data()
    {
        QTest::addColumn<bool>("folderKey");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        QTest::addColumn<unsigned>("properties");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("usable"); // enabled and selectable
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("toolTip");

        const auto valid = KeyRules().descriptor();
        const auto switchedOff = KeyRules().active(testsupport::AllActiveBut(0)).descriptor();
        const auto notThisMonth = KeyRules().active(testsupport::AllActiveBut(6)).descriptor();        // June
        const auto notThisWeekday = KeyRules().active(testsupport::AllActiveBut(13 + 3)).descriptor(); // Wednesday
        const auto outsideHours = KeyRules().hours("Europe/Berlin", "13:00:00", "17:00:00").descriptor();
        const auto expired = KeyRules().expiration("2024-06-12 00:00:00").descriptor();
        const auto noView = KeyRules().permissions(0x40).descriptor();
        const auto noViewAndOff = KeyRules().permissions(0).active(0).descriptor();

        for (const bool folderKey : {true, false}) {
            const char *kind = folderKey ? "folder key" : "document key";
            QTest::addRow("%s: valid", kind) << folderKey << valid << 0u << true << true << false << QString();
            QTest::addRow("%s: valid, emphasised", kind)
                << folderKey << valid << 1u << true << true << true << QString();
            QTest::addRow("%s: switched off", kind)
                << folderKey << switchedOff << 0u << true << false << false << "Key Inactive";
            QTest::addRow("%s: not this month", kind)
                << folderKey << notThisMonth << 0u << true << false << false << "Key Inactive";
            QTest::addRow("%s: not this weekday", kind)
                << folderKey << notThisWeekday << 1u << true << false << false << "Key Inactive";
            QTest::addRow("%s: outside the hours", kind)
                << folderKey << outsideHours << 0u << true << false << false << "Key Inactive";
            QTest::addRow("%s: no view", kind)
                << folderKey << noView << 1u << true << false << false << "View Permission Denied";
            QTest::addRow("%s: no view and inactive", kind)
                << folderKey << noViewAndOff << 0u << true << false << false << "View Permission Denied";
            QTest::addRow("%s: expired", kind) << folderKey << expired << 0u << false << false << false << QString();
        }
    }

    void keyItems()
    {
        QFETCH(bool, folderKey);
        QFETCH(qorv::data::SecurityDescriptor, rules);
        QFETCH(unsigned, properties);
        QFETCH(bool, listed);
        QFETCH(bool, usable);
        QFETCH(bool, bold);
        QFETCH(QString, toolTip);
        MainPaneListWidget pane;

        if (folderKey)
            pane.addFolderKeyItem(FolderKey(11, rules, properties));
        else
            pane.addDocumentKeyItem(DocumentKey(7, rules, properties));

        QCOMPARE(pane.count(), listed ? 1 : 0);
        if (!listed)
            return;
        const QListWidgetItem *item = pane.item(0);
        QCOMPARE(item->type(), folderKey ? int(FolderKeyItemType) : int(DocumentKeyItemType));
        QCOMPARE(item->text(), folderKey ? QStringLiteral("Projects") : QStringLiteral("Budget 2024"));
        QCOMPARE(item->flags(), usable ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemFlags());
        QCOMPARE(item->font().bold(), bold);
        QCOMPARE(item->toolTip(), toolTip);
        QVERIFY(!item->icon().isNull());
        QVERIFY(item->data(folderKey ? FolderKeyRole : DocumentKeyRole).isValid());
    }

    void keyItemRefresh_data()
    {
        QTest::addColumn<qorv::data::SecurityDescriptor>("before");
        QTest::addColumn<unsigned>("beforeProperties");
        QTest::addColumn<qorv::data::SecurityDescriptor>("after");
        QTest::addColumn<unsigned>("afterProperties");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("toolTip");

        const auto valid = KeyRules().descriptor();
        const auto off = KeyRules().active(0).descriptor();
        const auto expired = KeyRules().expiration("2020-01-01 00:00:00").descriptor();
        QTest::newRow("now expired: the item goes")
            << valid << 0u << expired << 0u << false << false << false << QString();
        QTest::newRow("switched off: disabled") << valid << 1u << off << 1u << true << false << false << "Key Inactive";
        QTest::newRow("switched on: usable, old tip gone")
            << off << 0u << valid << 1u << true << true << true << QString();
        QTest::newRow("emphasis gone: normal weight")
            << valid << 1u << valid << 0u << true << true << false << QString();
    }

    // A second key for a listed folder or document refreshes its item in
    // place; the item then holds the new key.
    void keyItemRefresh()
    {
        QFETCH(qorv::data::SecurityDescriptor, before);
        QFETCH(unsigned, beforeProperties);
        QFETCH(qorv::data::SecurityDescriptor, after);
        QFETCH(unsigned, afterProperties);
        QFETCH(bool, listed);
        QFETCH(bool, usable);
        QFETCH(bool, bold);
        QFETCH(QString, toolTip);
        MainPaneListWidget pane;
        pane.addDocumentItem(Document(3, HomeFolderId, "Before"));
        pane.addDocumentKeyItem(DocumentKey(7, before, beforeProperties));
        pane.addDocumentItem(Document(4, HomeFolderId, "After"));

        qorv::data::DocumentKey renewed = DocumentKey(7, after, afterProperties);
        renewed.mutable_document_key_document()->set_document_name("Budget 2025");
        pane.addDocumentKeyItem(renewed);

        QCOMPARE(pane.count(), listed ? 3 : 2);
        if (!listed)
            return;
        const QListWidgetItem *item = pane.item(1);
        QCOMPARE(item->text(), QStringLiteral("Budget 2025"));
        QCOMPARE(item->flags(), usable ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemFlags());
        QCOMPARE(item->font().bold(), bold);
        QCOMPARE(item->toolTip(), toolTip);
        const auto stored = itemrecord::FromVariant<qorv::data::DocumentKey>(item->data(DocumentKeyRole));
        QVERIFY(stored);
        QCOMPARE(stored->document_key_properties(), afterProperties);
    }

    void updateDocumentKeyItemChangesTheWeightOnly()
    {
        MainPaneListWidget pane;
        pane.addDocumentKeyItem(DocumentKey(7, KeyRules().descriptor(), 1));
        pane.addDocumentKeyItem(DocumentKey(8, KeyRules().permissions(0).descriptor(), 1));
        QVERIFY(pane.item(0)->font().bold());

        pane.updateDocumentKeyItem(DocumentKey(7, KeyRules().descriptor(), 0));
        pane.updateDocumentKeyItem(DocumentKey(8, KeyRules().descriptor(), 1));

        QVERIFY(!pane.item(0)->font().bold());
        QCOMPARE(pane.item(0)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        // The refused key stays refused, only its weight follows the key.
        QVERIFY(pane.item(1)->font().bold());
        QCOMPARE(pane.item(1)->flags(), Qt::ItemFlags());
        QCOMPARE(pane.item(1)->toolTip(), QStringLiteral("View Permission Denied"));
        const auto stored = itemrecord::FromVariant<qorv::data::DocumentKey>(pane.item(0)->data(DocumentKeyRole));
        QCOMPARE(stored->document_key_properties(), 0u);
    }

    // Main pane: other items

    void itemsAreListedOnceInTheOrderAdded()
    {
        MainPaneListWidget pane;

        pane.addFolderItem(Folder(12, HomeFolderId, "Plans", "Next year"));
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget", "Draft"));
        pane.addFolderItem(Folder(12, HomeFolderId, "Plans again"));
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget again"));
        pane.addGroupKeyItem(GroupKey(30, "Accounts"));
        pane.addGroupKeyItem(GroupKey(30, "Accounts again"));
        pane.addUserItem(User(8, "Eve", "Fox"));
        pane.addUserItem(User(8, "Eve", "Again"));
        pane.addUserItem(User(9, "", ""));
        // A folder and a document may share an id: they are different kinds.
        pane.addDocumentItem(Document(12, HomeFolderId, "Twelve"));

        QCOMPARE(Texts(pane), QStringList({"Plans", "Budget", "Accounts", "Fox, Eve", ", ", "Twelve"}));
        QCOMPARE(Types(pane), QList<int>({FolderItemType, DocumentItemType, GroupKeyItemType, UserItemType,
                                          UserItemType, DocumentItemType}));
        QCOMPARE(pane.item(0)->toolTip(), QStringLiteral("Next year"));
        QCOMPARE(pane.item(1)->toolTip(), QStringLiteral("Draft"));
        QVERIFY(pane.item(2)->toolTip().isEmpty());
    }

    void anItemRemovedCanBeAddedAgain()
    {
        MainPaneListWidget pane;
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.removeDocumentItem(7);
        QCOMPARE(pane.count(), 0);
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.clear();
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        QCOMPARE(Texts(pane), QStringList({"Budget"}));
    }

    void removeFolderItem_data()
    {
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("a listed subfolder") << 12 << QStringList({"Archive", "Budget", "Key", "Accounts"});
        QTest::newRow("the folder on display") << HomeFolderId << QStringList({"Key", "Accounts"});
        QTest::newRow("nothing listed") << 99 << QStringList({"Plans", "Archive", "Budget", "Key", "Accounts"});
    }

    void removeFolderItem()
    {
        QFETCH(int, folderId);
        QFETCH(QStringList, left);
        MainPaneListWidget pane;
        pane.addFolderItem(Folder(12, HomeFolderId, "Plans"));
        pane.addFolderItem(Folder(13, HomeFolderId, "Archive"));
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.addDocumentKeyItem(DocumentKey(HomeFolderId, KeyRules().descriptor()));
        pane.item(3)->setText(QStringLiteral("Key"));
        pane.addGroupKeyItem(GroupKey(HomeFolderId, "Accounts"));
        QSignalSpy shortcut(&pane, &MainPaneListWidget::removeFolderShortcutItem);

        pane.removeFolderItem(folderId);

        QCOMPARE(Texts(pane), left);
        QCOMPARE(shortcut.size(), 1);
        QCOMPARE(shortcut.first().first().toInt(), folderId);
    }

    void renameAndRedescribeChangeOneFieldAndPassItOn()
    {
        MainPaneListWidget pane;
        qorv::data::Folder plans = Folder(12, HomeFolderId, "Plans", "Next year");
        plans.set_folder_user_id(42);
        pane.addFolderItem(plans);
        SignalLog log(&pane);

        qorv::data::Folder renamed;
        renamed.set_folder_id(12);
        renamed.set_folder_name("Goals");
        pane.renameFolderItem(renamed);
        qorv::data::Folder redescribed;
        redescribed.set_folder_id(12);
        redescribed.set_folder_description("Five years");
        pane.redescribeFolderItem(redescribed);
        qorv::data::Folder unlisted = renamed;
        unlisted.set_folder_id(99);
        pane.renameFolderItem(unlisted);

        QCOMPARE(pane.item(0)->text(), QStringLiteral("Goals"));
        QCOMPARE(pane.item(0)->toolTip(), QStringLiteral("Five years"));
        const auto stored = itemrecord::FromVariant<qorv::data::Folder>(pane.item(0)->data(FolderRole));
        QCOMPARE(stored->folder_name(), std::string("Goals"));
        QCOMPARE(stored->folder_description(), std::string("Five years"));
        QCOMPARE(stored->folder_parent_id(), HomeFolderId);
        QCOMPARE(stored->folder_user_id(), 42);
        QCOMPARE(log.names,
                 QStringList({"renameFolderShortcutItem", "redescribeFolderShortcutItem", "renameFolderShortcutItem"}));
    }

    // A rename comes back holding the id and the new name only; the item
    // must keep everything else, which a later move or copy sends on.
    void updateDocumentItemKeepsWhatTheChangeLacks()
    {
        MainPaneListWidget pane;
        qorv::data::Document budget = Document(7, HomeFolderId, "Budget", "Draft");
        budget.set_document_body("<p>figures</p>");
        budget.set_document_user_id(42);
        budget.mutable_document_security_descriptor()->set_permissions(4095);
        budget.mutable_document_security_descriptor()->set_password("stored");
        pane.addDocumentItem(budget);

        qorv::data::Document renamed;
        renamed.set_document_id(7);
        renamed.set_document_name("Budget 2025");
        pane.updateDocumentItem(renamed);

        QCOMPARE(pane.item(0)->text(), QStringLiteral("Budget 2025"));
        QCOMPARE(pane.item(0)->toolTip(), QStringLiteral("Draft"));
        auto stored = itemrecord::FromVariant<qorv::data::Document>(pane.item(0)->data(DocumentRole));
        QCOMPARE(stored->document_name(), std::string("Budget 2025"));
        QCOMPARE(stored->document_body(), std::string("<p>figures</p>"));
        QCOMPARE(stored->document_folder_id(), HomeFolderId);
        QCOMPARE(stored->document_security_descriptor().password(), std::string("stored"));

        // A whole record (a save, a redescription) replaces each field it
        // carries, the descriptor as a whole.
        qorv::data::Document saved = *stored;
        saved.set_document_description("Final");
        saved.mutable_document_security_descriptor()->clear_password();
        pane.updateDocumentItem(saved);
        stored = itemrecord::FromVariant<qorv::data::Document>(pane.item(0)->data(DocumentRole));
        QCOMPARE(pane.item(0)->toolTip(), QStringLiteral("Final"));
        QVERIFY(!stored->document_security_descriptor().has_password());
        QCOMPARE(stored->document_security_descriptor().permissions(), 4095u);
    }

    void selectionSignals()
    {
        MainPaneListWidget pane;
        pane.addFolderItem(Folder(12, HomeFolderId, "Plans"));
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.addGroupKeyItem(GroupKey(30, "Accounts"));
        pane.addUserItem(User(8, "Eve", "Fox"));
        pane.addFolderKeyItem(FolderKey(11, KeyRules().descriptor()));
        pane.addDocumentKeyItem(DocumentKey(5, KeyRules().descriptor()));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        SignalLog log(&pane);
        QSignalSpy folderSelected(&pane, &MainPaneListWidget::folderItemSelected);

        for (int row = 0; row < pane.count(); ++row)
            QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pane.visualItemRect(pane.item(row)).center());
        // A click on empty space clears the selection.
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, QPoint(5, pane.viewport()->height() - 5));

        QCOMPARE(log.names,
                 QStringList({"folderItemSelected", "documentItemSelected", "groupKeyItemSelected", "userItemSelected",
                              "folderKeyItemSelected", "documentKeyItemSelected", "noItemSelected"}));
        QCOMPARE(folderSelected.first().first().value<qorv::data::Folder>().folder_id(), 12);
        QVERIFY(pane.selectedItems().isEmpty());
    }

    void itemCommands_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("others"); // copy, delete, rename, redescribe, keyring
        QTest::newRow("folder") << 0 << QStringList({"addFolderShortcutItem", "openFolder"})
                                << QStringList(
                                       {"deleteFolder", "renameFolder", "redescribeFolder", "openFolderKeyring"});
        QTest::newRow("document") << 1 << QStringList({"openDocument"})
                                  << QStringList({"copyDocument", "deleteDocument", "renameDocument",
                                                  "redescribeDocument", "openDocumentKeyring"});
        QTest::newRow("group key") << 2 << QStringList({"addGroupKeyShortcutItem", "openGroupKey"}) << QStringList();
        QTest::newRow("user") << 3 << QStringList({"addUserShortcutItem", "openUser"}) << QStringList();
        QTest::newRow("folder key") << 4 << QStringList({"addFolderKeyShortcutItem", "openFolderKey"}) << QStringList();
        QTest::newRow("document key") << 5 << QStringList({"openDocumentKey"}) << QStringList();
    }

    void itemCommands()
    {
        QFETCH(int, row);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, others);
        MainPaneListWidget pane;
        pane.addFolderItem(Folder(12, HomeFolderId, "Plans"));
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.addGroupKeyItem(GroupKey(30, "Accounts"));
        pane.addUserItem(User(8, "Eve", "Fox"));
        pane.addFolderKeyItem(FolderKey(11, KeyRules().descriptor()));
        pane.addDocumentKeyItem(DocumentKey(5, KeyRules().descriptor()));
        pane.setCurrentItem(pane.item(row));
        SignalLog log(&pane);

        pane.openItem();
        QCOMPARE(log.names, opened);
        log.names.clear();
        pane.copyItem();
        pane.deleteItem();
        pane.renameItem();
        pane.redescribeItem();
        pane.openItemKeyring();
        QCOMPARE(log.names, others);

        // Without a selection the commands do nothing.
        pane.clearSelection();
        log.names.clear();
        pane.openItem();
        pane.copyItem();
        pane.deleteItem();
        QCOMPARE(log.names, QStringList());
    }

    void activationOpens()
    {
        MainPaneListWidget pane;
        pane.addFolderItem(Folder(12, HomeFolderId, "Plans"));
        pane.show();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        pane.setCurrentItem(pane.item(0));
        QSignalSpy shortcut(&pane, &MainPaneListWidget::addFolderShortcutItem);
        QSignalSpy opened(&pane, &MainPaneListWidget::openFolder);

        // The platform's activation key on the current item.
        QTest::keyClick(&pane, Qt::Key_Return);

        QCOMPARE(shortcut.size(), 1);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().value<qorv::data::Folder>().folder_name(), std::string("Plans"));
    }

    void itemContextMenus_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("emitted");
        QTest::newRow("folder") << 0
                                << QStringList({"Open", "---", "Delete", "---", "Rename", "Redescribe", "---",
                                                "Open Keyring..."})
                                << "Rename" << QStringList({"renameFolder"});
        QTest::newRow("document") << 1
                                  << QStringList({"Open", "---", "Copy", "---", "Delete", "---", "Rename", "Redescribe",
                                                  "---", "Open Keyring..."})
                                  << "Copy" << QStringList({"copyDocument"});
        QTest::newRow("document, keyring") << 1
                                           << QStringList({"Open", "---", "Copy", "---", "Delete", "---", "Rename",
                                                           "Redescribe", "---", "Open Keyring..."})
                                           << "Open Keyring..." << QStringList({"openDocumentKeyring"});
        QTest::newRow("group key") << 2 << QStringList({"Open"}) << "Open"
                                   << QStringList({"addGroupKeyShortcutItem", "openGroupKey"});
        QTest::newRow("user") << 3 << QStringList({"Open"}) << "Open"
                              << QStringList({"addUserShortcutItem", "openUser"});
        QTest::newRow("folder key") << 4 << QStringList({"Open"}) << "Open"
                                    << QStringList({"addFolderKeyShortcutItem", "openFolderKey"});
        QTest::newRow("document key") << 5 << QStringList({"Open"}) << "Open" << QStringList({"openDocumentKey"});
        QTest::newRow("closed without a choice")
            << 0 << QStringList({"Open", "---", "Delete", "---", "Rename", "Redescribe", "---", "Open Keyring..."})
            << "" << QStringList();
    }

    void itemContextMenus()
    {
        QFETCH(int, row);
        QFETCH(QStringList, entries);
        QFETCH(QString, choice);
        QFETCH(QStringList, emitted);
        MainPaneListWidget pane;
        pane.addFolderItem(Folder(12, HomeFolderId, "Plans"));
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.addGroupKeyItem(GroupKey(30, "Accounts"));
        pane.addUserItem(User(8, "Eve", "Fox"));
        pane.addFolderKeyItem(FolderKey(11, KeyRules().descriptor()));
        pane.addDocumentKeyItem(DocumentKey(5, KeyRules().descriptor()));
        pane.resize(300, 300);
        pane.show();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        pane.setCurrentItem(pane.item(row));
        SignalLog log(&pane);

        QCOMPARE(ContextMenu(pane, pane.visualItemRect(pane.item(row)).center(), choice), entries);

        QCOMPARE(log.names, emitted);
    }

    // The menu runs while replies may arrive: a command chosen for an item
    // that went away meanwhile applies to nothing.
    void anItemThatGoesWhileItsMenuIsOpen()
    {
        MainPaneListWidget pane;
        pane.addDocumentItem(Document(7, HomeFolderId, "Budget"));
        pane.resize(300, 300);
        pane.show();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        pane.setCurrentItem(pane.item(0));
        SignalLog log(&pane);

        ContextMenu(pane, pane.visualItemRect(pane.item(0)).center(), QStringLiteral("Delete"),
                    [&pane] { pane.removeDocumentItem(7); });

        QCOMPARE(pane.count(), 0);
        QVERIFY(!log.names.contains(QStringLiteral("deleteDocument")));
    }

    // With nothing selected the menu offers the window's own commands that
    // are enabled, or nothing.
    void emptySpaceContextMenu()
    {
        DocumentBrowserView window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *pane = window.findChild<MainPaneListWidget *>();
        const QPoint emptySpace(20, pane->viewport()->height() - 20);
        QCOMPARE(ContextMenu(*pane, emptySpace, QString()), QStringList({"no menu"}));

        // A folder is current: new folders and documents may be made there.
        window.folderShortcutItemSelected(qorv::data::Folder());
        QCOMPARE(ContextMenu(*pane, emptySpace, QString()), QStringList({"Folder...", "Document..."}));

        auto *clip = new QMimeData;
        clip->setData(DocumentFormat, Bytes(Document(7, 1, "Budget")));
        QApplication::clipboard()->setMimeData(clip);
        QCOMPARE(ContextMenu(*pane, emptySpace, QString()), QStringList({"Paste", "---", "Folder...", "Document..."}));
        QApplication::clipboard()->clear();
    }

    // Drops

    void mainPaneDrops_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("formats");
        QTest::addColumn<QString>("payload"); // "document", "folder", "garbage", "empty"
        QTest::addColumn<int>("targetType");
        QTest::addColumn<int>("targetFolderId");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("move");
        QTest::addColumn<QString>("drop");

        const QStringList document{DocumentFormat};
        const QStringList folder{FolderFormat};
        const int move = Qt::MoveAction;
        QTest::newRow("document onto a folder item")
            << Source::ThisPane << move << document << "document" << int(FolderItemType) << 12 << true << true
            << "document 7 into 12";
        QTest::newRow("document onto empty space, from another browser")
            << Source::OtherList << move << document << "document" << 0 << 0 << true << true << "document 7 into shown";
        QTest::newRow("document onto its own pane's empty space")
            << Source::ThisPane << move << document << "document" << 0 << 0 << true << true << "refused";
        QTest::newRow("document onto a document item") << Source::ThisPane << move << document << "document"
                                                       << int(DocumentItemType) << 0 << true << false << "refused";
        QTest::newRow("document onto a key item") << Source::OtherList << move << document << "document"
                                                  << int(FolderKeyItemType) << 0 << true << false << "refused";
        QTest::newRow("folder onto another folder item")
            << Source::ThisPane << move << folder << "folder" << int(FolderItemType) << 13 << true << true
            << "folder 3 into 13";
        QTest::newRow("folder onto its own item")
            << Source::ThisPane << move << folder << "folder" << int(FolderItemType) << 3 << true << true << "refused";
        QTest::newRow("folder onto empty space, from another browser")
            << Source::OtherList << move << folder << "folder" << 0 << 0 << true << true << "folder 3 into shown";
        QTest::newRow("both formats: the document wins")
            << Source::OtherList << move << QStringList({DocumentFormat, FolderFormat}) << "document"
            << int(FolderItemType) << 12 << true << true << "document 7 into 12";
        QTest::newRow("a copy") << Source::ThisPane << int(Qt::CopyAction) << document << "document"
                                << int(FolderItemType) << 12 << false << false << "refused";
        QTest::newRow("other data") << Source::OtherList << move << QStringList({"text/plain"}) << "document"
                                    << int(FolderItemType) << 12 << false << false << "refused";
        QTest::newRow("from another application")
            << Source::None << move << document << "document" << int(FolderItemType) << 12 << true << true << "refused";
        QTest::newRow("from a widget that is no list") << Source::OtherWidget << move << document << "document"
                                                       << int(FolderItemType) << 12 << true << true << "refused";
        QTest::newRow("bytes that do not parse") << Source::ThisPane << move << document << "garbage"
                                                 << int(FolderItemType) << 12 << true << true << "refused";
        QTest::newRow("no bytes") << Source::ThisPane << move << folder << "empty" << int(FolderItemType) << 12 << true
                                  << true << "refused";
    }

    void mainPaneDrops()
    {
        QFETCH(Source, source);
        QFETCH(int, action);
        QFETCH(QStringList, formats);
        QFETCH(QString, payload);
        QFETCH(int, targetType);
        QFETCH(int, targetFolderId);
        QFETCH(bool, enter);
        QFETCH(bool, move);
        QFETCH(QString, drop);
        if (payload == QLatin1String("garbage"))
            QTest::ignoreMessage(QtCriticalMsg, "document.ParseFromString() error!");
        if (payload == QLatin1String("empty"))
            QTest::ignoreMessage(QtCriticalMsg, "folder.ParseFromString() error!");
        const QByteArray bytes = payload == QLatin1String("document")  ? Bytes(Document(7, 1, "Budget"))
                                 : payload == QLatin1String("folder")  ? Bytes(Folder(3, 1, "Plans"))
                                 : payload == QLatin1String("garbage") ? QByteArray("\x0a\xff", 2)
                                                                       : QByteArray();
        const std::unique_ptr<QMimeData> mimeData = Carrying(formats, bytes);
        PaneDragFacts facts;
        facts.source = source;
        facts.action = static_cast<Qt::DropAction>(action);
        facts.mimeData = mimeData.get();
        facts.targetType = targetType;
        facts.targetFolderId = targetFolderId;

        QCOMPARE(mainpanedrop::AcceptsEnter(facts), enter);
        QCOMPARE(mainpanedrop::AcceptsMove(facts), move);
        QCOMPARE(Described(mainpanedrop::Drop(facts)), drop);
    }

    void sidePaneDrops_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("formats");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<int>("targetType");
        QTest::addColumn<int>("targetFolderId");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("move");
        QTest::addColumn<QString>("drop");

        const QStringList document{DocumentFormat};
        const QStringList folder{FolderFormat};
        const int move = Qt::MoveAction;
        QTest::newRow("document onto the home folder")
            << Source::OtherList << move << document << "document" << int(HomeFolderItemType) << HomeFolderId << true
            << true << "document 7 into 100";
        QTest::newRow("folder onto a folder shortcut")
            << Source::OtherList << move << folder << "folder" << int(FolderItemType) << 12 << true << true
            << "folder 3 into 12";
        QTest::newRow("folder onto its own shortcut")
            << Source::OtherList << move << folder << "folder" << int(FolderItemType) << 3 << true << true << "refused";
        QTest::newRow("both formats: the document wins")
            << Source::OtherList << move << QStringList({FolderFormat, DocumentFormat}) << "document"
            << int(FolderItemType) << 12 << true << true << "document 7 into 12";
        QTest::newRow("onto the home groups") << Source::OtherList << move << document << "document"
                                              << int(HomeGroupsItemType) << 0 << true << false << "refused";
        QTest::newRow("onto a folder key") << Source::OtherList << move << document << "document"
                                           << int(FolderKeyItemType) << 0 << true << false << "refused";
        QTest::newRow("onto a group key") << Source::OtherList << move << document << "document"
                                          << int(GroupKeyItemType) << 0 << true << false << "refused";
        QTest::newRow("onto a user") << Source::OtherList << move << document << "document" << int(UserItemType) << 0
                                     << true << false << "refused";
        QTest::newRow("onto empty space")
            << Source::OtherList << move << document << "document" << 0 << 0 << true << false << "refused";
        QTest::newRow("from the pane itself") << Source::ThisPane << move << document << "document"
                                              << int(FolderItemType) << 12 << false << false << "refused";
        QTest::newRow("from another application") << Source::None << move << document << "document"
                                                  << int(FolderItemType) << 12 << false << false << "refused";
        QTest::newRow("a copy") << Source::OtherList << int(Qt::CopyAction) << document << "document"
                                << int(FolderItemType) << 12 << false << false << "refused";
        QTest::newRow("other data") << Source::OtherList << move << QStringList({"text/uri-list"}) << "document"
                                    << int(FolderItemType) << 12 << false << false << "refused";
        QTest::newRow("bytes that do not parse") << Source::OtherList << move << document << "garbage"
                                                 << int(FolderItemType) << 12 << true << true << "refused";
    }

    void sidePaneDrops()
    {
        QFETCH(Source, source);
        QFETCH(int, action);
        QFETCH(QStringList, formats);
        QFETCH(QString, payload);
        QFETCH(int, targetType);
        QFETCH(int, targetFolderId);
        QFETCH(bool, enter);
        QFETCH(bool, move);
        QFETCH(QString, drop);
        const QByteArray bytes = payload == QLatin1String("document") ? Bytes(Document(7, 1, "Budget"))
                                 : payload == QLatin1String("folder") ? Bytes(Folder(3, 1, "Plans"))
                                                                      : QByteArray("\x0a\xff", 2);
        const std::unique_ptr<QMimeData> mimeData = Carrying(formats, bytes);
        PaneDragFacts facts;
        facts.source = source;
        facts.action = static_cast<Qt::DropAction>(action);
        facts.mimeData = mimeData.get();
        facts.targetType = targetType;
        facts.targetFolderId = targetFolderId;

        QCOMPARE(sidepanedrop::AcceptsEnter(facts), enter);
        QCOMPARE(sidepanedrop::AcceptsMove(facts), move);
        QCOMPARE(Described(sidepanedrop::Drop(facts)), drop);
    }

    // A drag from another application has no source widget: the main pane
    // shows it as acceptable while it moves, and refuses it on drop; the
    // side pane refuses it at once.
    void dragFromAnotherApplication()
    {
        MainPaneListWidget mainPane;
        mainPane.addFolderItem(Folder(12, HomeFolderId, "Plans"));
        SidePaneListWidget sidePane;
        for (QListWidget *pane : {static_cast<QListWidget *>(&mainPane), static_cast<QListWidget *>(&sidePane)}) {
            pane->resize(300, 200);
            pane->show();
            QVERIFY(QTest::qWaitForWindowExposed(pane));
        }
        const std::unique_ptr<QMimeData> mimeData = Carrying({DocumentFormat}, Bytes(Document(7, 1, "Budget")));
        SignalLog mainLog(&mainPane);
        SignalLog sideLog(&sidePane);
        const auto over = [](QListWidget &pane, int row) { return pane.visualItemRect(pane.item(row)).center(); };

        {
            testsupport::SyntheticDrag drag(&mainPane, mimeData.get());
            QVERIFY(drag.enter(over(mainPane, 0)));
            QVERIFY(drag.move(over(mainPane, 0)));
            QVERIFY(!drag.drop(over(mainPane, 0)));
        }
        {
            testsupport::SyntheticDrag drag(&sidePane, mimeData.get());
            QVERIFY(!drag.enter(over(sidePane, 0)));
            QVERIFY(!drag.drop(over(sidePane, 0)));
        }
        QCOMPARE(mainLog.names, QStringList());
        QCOMPARE(sideLog.names, QStringList());
    }

    // Side pane

    void sidePaneStartsWithTheTwoFixedItems()
    {
        SidePaneListWidget pane;

        QCOMPARE(Texts(pane), QStringList({"Home Folder", "Home Groups"}));
        QCOMPARE(Types(pane), QList<int>({HomeFolderItemType, HomeGroupsItemType}));
        QCOMPARE(itemrecord::FromVariant<qorv::data::Folder>(pane.item(0)->data(FolderRole))->folder_id(),
                 HomeFolderId);
        QVERIFY(!pane.item(1)->data(FolderRole).isValid());
        QVERIFY(!pane.dragEnabled());
        QVERIFY(pane.acceptDrops());
        QCOMPARE(pane.dragDropMode(), QAbstractItemView::DropOnly);

        // A user without a home folder has the folder 0 as home.
        const qorv::data::User signedOn = RegistrySingleton::instance()->getUser();
        RegistrySingleton::instance()->setUser(User(42, "Ann", "Lee"));
        SidePaneListWidget homeless;
        RegistrySingleton::instance()->setUser(signedOn);
        QCOMPARE(itemrecord::FromVariant<qorv::data::Folder>(homeless.item(0)->data(FolderRole))->folder_id(), 0);
    }

    void shortcutsAreAddedOnceAndMadeCurrent()
    {
        SidePaneListWidget pane;

        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Plans", "Next year"));
        pane.addGroupKeyShortcutItem(GroupKey(30, "Accounts"));
        pane.addUserShortcutItem(User(8, "Eve", "Fox"));
        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().descriptor()));
        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Renamed elsewhere"));

        QCOMPARE(Texts(pane), QStringList({"Home Folder", "Home Groups", "Plans", "Accounts", "Fox, Eve", "Projects"}));
        QCOMPARE(pane.currentRow(), 2);
        QCOMPARE(pane.item(2)->toolTip(), QStringLiteral("Next year"));
        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().descriptor()));
        QCOMPARE(pane.currentRow(), 5);
        QCOMPARE(pane.getSelectedListWidgetItemType(FolderKeyItemType), pane.item(5));
        QVERIFY(!pane.getSelectedListWidgetItemType(FolderItemType));
    }

    void inactiveFolderKeyShortcutIsNotOffered()
    {
        SidePaneListWidget pane;
        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Plans"));

        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().active(0).descriptor()));
        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().descriptor()));

        QCOMPARE(pane.count(), 4);
        QVERIFY(!(pane.item(3)->flags() & Qt::ItemIsEnabled));
        QCOMPARE(pane.currentRow(), 3);
        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Plans"));
        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().active(0).descriptor()));
        QCOMPARE(pane.currentRow(), 2);
    }

    void clicksOpen_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("signals_");
        QTest::newRow("home folder") << 0 << QStringList({"folderShortcutItemSelected", "openHomeFolder"});
        QTest::newRow("home groups") << 1 << QStringList({"groupKeyItemSelected", "openHomeGroups"});
        QTest::newRow("folder") << 2 << QStringList({"folderShortcutItemSelected", "openFolder"});
        QTest::newRow("group key") << 3 << QStringList({"groupKeyItemSelected", "openGroupKey"});
        QTest::newRow("user") << 4 << QStringList({"userItemSelected", "openUser"});
        QTest::newRow("folder key") << 5 << QStringList({"folderKeyShortcutItemSelected", "openFolderKey"});
    }

    void clicksOpen()
    {
        QFETCH(int, row);
        QFETCH(QStringList, signals_);
        SidePaneListWidget pane;
        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Plans"));
        pane.addGroupKeyShortcutItem(GroupKey(30, "Accounts"));
        pane.addUserShortcutItem(User(8, "Eve", "Fox"));
        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().descriptor()));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        SignalLog log(&pane);
        QSignalSpy groupKeySelected(&pane, &SidePaneListWidget::groupKeyItemSelected);

        const QPoint at = pane.visualItemRect(pane.item(row)).center();
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, at);
        // A click on the current item opens it again.
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, at);

        QCOMPARE(log.names, signals_ + signals_);
        if (row == 1) {
            const auto empty = groupKeySelected.first().first().value<qorv::data::GroupKey>();
            QVERIFY(!empty.has_group_key_group());
        }
    }

    void shortcutsFollowRenamesAndRemovals()
    {
        SidePaneListWidget pane;
        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Plans", "Next year"));
        pane.addFolderShortcutItem(Folder(13, HomeFolderId, "Archive"));

        pane.renameFolderShortcutItem(Folder(12, 0, "Goals"));
        qorv::data::Folder redescribed;
        redescribed.set_folder_id(12);
        redescribed.set_folder_description("Five years");
        pane.redescribeFolderShortcutItem(redescribed);
        pane.removeFolderShortcutItem(13);
        pane.removeFolderShortcutItem(99);
        pane.removeFolderShortcutItem(HomeFolderId);

        QCOMPARE(Texts(pane), QStringList({"Home Folder", "Home Groups", "Goals"}));
        QCOMPARE(pane.item(2)->toolTip(), QStringLiteral("Five years"));
        const auto stored = itemrecord::FromVariant<qorv::data::Folder>(pane.item(2)->data(FolderRole));
        QCOMPARE(stored->folder_parent_id(), HomeFolderId);
        QCOMPARE(stored->folder_name(), std::string("Goals"));
    }

    void updateFolderKeyShortcutItemReplacesTheRecordOnly()
    {
        SidePaneListWidget pane;
        pane.addFolderKeyShortcutItem(FolderKey(11, KeyRules().descriptor()));
        qorv::data::FolderKey second = FolderKey(15, KeyRules().descriptor());
        second.mutable_folder_key_folder()->set_folder_name("Second");
        pane.addFolderKeyShortcutItem(second);

        qorv::data::FolderKey renewed = FolderKey(15, KeyRules().active(0).descriptor());
        renewed.mutable_folder_key_folder()->set_folder_name("Renamed");
        pane.updateFolderKeyShortcutItem(renewed);

        QCOMPARE(pane.item(3)->text(), QStringLiteral("Second"));
        QVERIFY(pane.item(3)->flags() & Qt::ItemIsEnabled);
        const auto stored = itemrecord::FromVariant<qorv::data::FolderKey>(pane.item(3)->data(FolderKeyRole));
        QCOMPARE(stored->folder_key_folder().folder_name(), std::string("Renamed"));
        const auto first = itemrecord::FromVariant<qorv::data::FolderKey>(pane.item(2)->data(FolderKeyRole));
        QCOMPARE(first->folder_key_folder().folder_name(), std::string("Projects"));
    }

    void keysDoNotMoveTheCurrentItem()
    {
        SidePaneListWidget pane;
        pane.addFolderShortcutItem(Folder(12, HomeFolderId, "Plans"));
        pane.show();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        pane.setCurrentRow(1);

        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown})
            QTest::keyClick(pane.viewport(), key);

        QCOMPARE(pane.currentRow(), 1);
    }

    // Folder tree

    void folderAncestry_data()
    {
        QTest::addColumn<QString>("tree"); // "child:parent" pairs; parent "?" = no answer, "-" = top
        QTest::addColumn<int>("ancestor");
        QTest::addColumn<int>("folder");
        QTest::addColumn<bool>("contains");
        QTest::addColumn<int>("lookUps");

        const QString tree = QStringLiteral("11:100 12:11 13:12 14:100");
        QTest::newRow("itself, asking nothing") << tree << 11 << 11 << true << 0;
        QTest::newRow("a child") << tree << 11 << 12 << true << 1;
        QTest::newRow("a grandchild") << tree << 11 << 13 << true << 2;
        QTest::newRow("a sibling") << tree << 11 << 14 << false << 1;
        QTest::newRow("the home folder") << tree << 11 << HomeFolderId << false << 0;
        QTest::newRow("a parent") << tree << 12 << 11 << false << 1;
        QTest::newRow("a tree without home") << QStringLiteral("21:20 20:-") << 11 << 21 << false << 2;
        QTest::newRow("no answer") << QStringLiteral("12:?") << 11 << 12 << true << 1;
        QTest::newRow("a loop") << QStringLiteral("12:13 13:12") << 11 << 12 << true << 2;
    }

    void folderAncestry()
    {
        QFETCH(QString, tree);
        QFETCH(int, ancestor);
        QFETCH(int, folder);
        QFETCH(bool, contains);
        QFETCH(int, lookUps);
        std::map<int, QString> parents;
        for (const QString &pair : tree.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            parents[pair.section(QLatin1Char(':'), 0, 0).toInt()] = pair.section(QLatin1Char(':'), 1, 1);
        int asked = 0;
        const FolderAncestry ancestry(HomeFolderId, [&](int folderId) {
            ++asked;
            FolderAncestry::Parent parent;
            const auto found = parents.find(folderId);
            if (found == parents.end() || found->second == QLatin1String("-")) {
                parent.kind = FolderAncestry::Parent::Kind::Top;
            } else if (found->second != QLatin1String("?")) {
                parent.kind = FolderAncestry::Parent::Kind::Known;
                parent.id = found->second.toInt();
            }
            return parent;
        });

        QCOMPARE(ancestry.contains(ancestor, folder), contains);
        QCOMPARE(asked, lookUps);
    }

    // Clipboard and drag formats

    void recordMimeData()
    {
        const qorv::data::Document budget = Document(7, HomeFolderId, "Budget");
        const std::unique_ptr<QMimeData> document(recordmime::ToMimeData(budget));
        const std::unique_ptr<QMimeData> folder(recordmime::ToMimeData(Folder(12, HomeFolderId, "Plans")));

        QCOMPARE(document->formats(), QStringList({DocumentFormat}));
        QCOMPARE(document->data(DocumentFormat), Bytes(budget));
        QCOMPARE(recordmime::DocumentFrom(document.get())->document_name(), std::string("Budget"));
        QVERIFY(!recordmime::FolderFrom(document.get()));
        QCOMPARE(folder->formats(), QStringList({FolderFormat}));
        QCOMPARE(recordmime::FolderFrom(folder.get())->folder_id(), 12);
        QVERIFY(!recordmime::DocumentFrom(Carrying({DocumentFormat}, QByteArray()).get()));
        QVERIFY(!recordmime::DocumentFrom(Carrying({DocumentFormat}, QByteArray("\x0a\xff", 2)).get()));
        QVERIFY(!recordmime::DocumentFrom(nullptr));
    }
};

QTEST_MAIN(TestBrowserPanes)
#include "tst_browserpanes.moc"
