#include "clienttranslation.h"
#include "common/majorcode.h"
#include "dbid.h"
#include "dialoganswerer.h"
#include "dispatchtotestserver.h"
#include "groupdirectory.h"
#include "pickerhost.h"
#include "selectdocumentsdialog.h"
#include "selectdocumentswidget.h"
#include "sentrequests.h"
#include "testenvironment.h"
#include "testserver.h"

#include "documents3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderrequest3.pb.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using testsupport::Sent;
using testsupport::TestFault;
using testsupport::TestServer;

namespace
{
// The picker in a host that installed its layout, driven through its controls.
struct Picker
{
    explicit Picker(QWidget *host)
        : widget(host->findChild<SelectDocumentsWidget *>())
        , host(host)
    {
    }

    SelectDocumentsWidget *widget;
    QWidget *host;

    QListWidget *list(const QString &name) const { return host->findChild<QListWidget *>(name); }
    QListWidget *folders() const { return list(QStringLiteral("foldersListWidget")); }
    QListWidget *unselected() const { return list(QStringLiteral("unselectedDocumentsListWidget")); }
    QListWidget *selected() const { return list(QStringLiteral("selectedDocumentsListWidget")); }

    // Include, Include All, Add, Add All, Remove, Remove All (enabled).
    QString states() const
    {
        QList<const QAbstractButton *> buttons;
        for (const char *name : {"includePushButton", "includeAllPushButton", "addPushButton", "addAllPushButton",
                                 "removePushButton", "removeAllPushButton"})
            buttons.append(host->findChild<QAbstractButton *>(QLatin1String(name)));
        return groupstest::States(buttons);
    }

    // "init", a click on a button by its object-name stem ("include",
    // "back"), "open:folder" for a double click on a listed folder, or
    // "list:text" to toggle an item of the folders, unselected or selected
    // list.
    bool run(const QString &step) const
    {
        if (step == QLatin1String("init")) {
            widget->init();
            return true;
        }
        const int colon = step.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            const QString where = step.left(colon);
            const QString text = step.mid(colon + 1);
            if (where == QLatin1String("open")) {
                const QList<QListWidgetItem *> items = folders()->findItems(text, Qt::MatchExactly);
                if (items.size() != 1)
                    return false;
                widget->folderItemDoubleClicked(items.first());
                return true;
            }
            QListWidget *target = where == QLatin1String("folders")      ? folders()
                                  : where == QLatin1String("unselected") ? unselected()
                                  : where == QLatin1String("selected")   ? selected()
                                                                         : nullptr;
            return target && groupstest::Toggle(target, text);
        }
        for (const char *suffix : {"PushButton", "ToolButton"}) {
            if (auto *button = host->findChild<QAbstractButton *>(step + QLatin1String(suffix))) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

struct HostedPicker
{
    QWidget host;
    Picker picker{makeWidget(&host)};

    static QWidget *makeWidget(QWidget *host)
    {
        auto *widget = new SelectDocumentsWidget(host);
        host->setLayout(widget->getLayout());
        return host;
    }
};

}

// The document picker against the test server: browsing the folders with its
// history, including and choosing documents, and the dialog's OK.
class TestSelectDocuments : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<GroupDirectory> m_directory;
    int folderRequests() const
    {
        return Sent<qorv::data::SelectFolderRequest>(*m_server, common::op::SelectFolder).size();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::InstallClientTranslation());
        GroupDirectory::logOn();
    }

    void init()
    {
        m_server = std::make_unique<TestServer>();
        QVERIFY(testsupport::StartAndDispatchTo(*m_server));
        m_directory = std::make_unique<GroupDirectory>(*m_server);
        const int home = GroupDirectory::HomeFolderId;
        m_directory->addFolder(101, home, "Letters");
        m_directory->addFolder(102, home, "Plans");
        m_directory->addFolder(103, 101, "Old");
        m_directory->addDocument(1, home, "Agenda");
        m_directory->addDocument(2, home, "Budget");
        m_directory->addDocument(3, 101, "Reply");
        m_directory->addDocument(4, 101, "Thanks");
        m_directory->addDocument(5, 102, "Roadmap");
        m_directory->addDocument(6, 103, "Draft");
        m_directory->install();
    }

    void cleanup()
    {
        m_directory.reset();
        m_server.reset();
    }

    void initListsTheHomeFolder()
    {
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        QCOMPARE(picker.states(), QStringLiteral("000000"));

        picker.widget->init();

        QCOMPARE(groupstest::Texts(picker.folders()), QStringList({"Letters", "Plans"}));
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Agenda", "Budget"}));
        // Documents are listed, but Add All waits for an include or a remove.
        QCOMPARE(picker.states(), QStringLiteral("010000"));
        const auto folders = Sent<qorv::data::SelectFolderRequest>(*m_server, common::op::SelectFolder);
        QCOMPARE(folders.size(), 1);
        QCOMPARE(folders.first().folder_parent_id(), GroupDirectory::HomeFolderId);
        const auto documents = Sent<qorv::data::SelectDocumentRequest>(*m_server, common::op::SelectDocument);
        QCOMPARE(documents.size(), 1);
        QCOMPARE(documents.first().document_folder_id(), GroupDirectory::HomeFolderId);
    }

    void navigation_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("unselected");
        QTest::addColumn<int>("folderRequests");

        const QStringList home{"Letters", "Plans"};
        const QStringList homeDocuments{"Agenda", "Budget"};
        QTest::newRow("into a subfolder") << QStringList{"open:Letters"} << QStringList{"Old"} << QStringList() << 2;
        QTest::newRow("back lists no documents") << QStringList{"open:Letters", "back"} << home << QStringList() << 3;
        QTest::newRow("back and forward")
            << QStringList{"open:Letters", "back", "forward"} << QStringList{"Old"} << QStringList() << 4;
        QTest::newRow("forward keeps the folder left by back")
            << QStringList{"open:Letters", "back", "open:Plans", "forward"} << QStringList{"Old"} << QStringList() << 5;
        QTest::newRow("back at the start does nothing") << QStringList{"back"} << home << homeDocuments << 1;
        QTest::newRow("forward without a back does nothing") << QStringList{"forward"} << home << homeDocuments << 1;
        QTest::newRow("back stops at the first folder")
            << QStringList{"open:Letters", "open:Old", "back", "back", "back"} << home << QStringList() << 5;
        QTest::newRow("home lists the documents and forgets forward")
            << QStringList{"open:Letters", "back", "home", "forward"} << home << homeDocuments << 4;
    }

    void navigation()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, folders);
        QFETCH(QStringList, unselected);
        QFETCH(int, folderRequests);
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        picker.widget->init();

        for (const QString &step : steps)
            QVERIFY2(picker.run(step), qPrintable(step));

        QCOMPARE(groupstest::Texts(picker.folders()), folders);
        QCOMPARE(groupstest::Texts(picker.unselected()), unselected);
        QCOMPARE(this->folderRequests(), folderRequests);
    }

    void statesAfterSteps_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("unselected");
        QTest::addColumn<QStringList>("selected");

        const QStringList all{"Agenda", "Budget", "Reply", "Thanks"};
        QTest::newRow("a folder selected")
            << QStringList{"folders:Letters"} << "110000" << QStringList{"Letters", "Plans"}
            << QStringList{"Agenda", "Budget"} << QStringList();
        QTest::newRow("a folder included")
            << QStringList{"folders:Letters", "include"} << "010100" << QStringList{"Plans"} << all << QStringList();
        QTest::newRow("all added") << QStringList{"folders:Letters", "include", "addAll"} << "010001"
                                   << QStringList{"Plans"} << QStringList() << all;
        QTest::newRow("all removed") << QStringList{"folders:Letters", "include", "addAll", "removeAll"} << "010100"
                                     << QStringList{"Plans"} << all << QStringList();
        QTest::newRow("a document selected")
            << QStringList{"unselected:Agenda"} << "011000" << QStringList{"Letters", "Plans"}
            << QStringList{"Agenda", "Budget"} << QStringList();
        QTest::newRow("a document added")
            << QStringList{"unselected:Agenda", "add"} << "010001" << QStringList{"Letters", "Plans"}
            << QStringList{"Budget"} << QStringList{"Agenda"};
        QTest::newRow("an added document selected")
            << QStringList{"unselected:Agenda", "add", "selected:Agenda"} << "010011" << QStringList{"Letters", "Plans"}
            << QStringList{"Budget"} << QStringList{"Agenda"};
        QTest::newRow("all folders included")
            << QStringList{"includeAll"} << "000100" << QStringList()
            << QStringList{"Agenda", "Budget", "Reply", "Roadmap", "Thanks"} << QStringList();
        QTest::newRow("a folder whose documents are all chosen adds nothing")
            << QStringList{"folders:Plans", "include", "addAll", "open:Letters", "back", "folders:Plans", "include"}
            << "010001" << QStringList{"Letters"} << QStringList() << QStringList{"Agenda", "Budget", "Roadmap"};
    }

    void statesAfterSteps()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, states);
        QFETCH(QStringList, folders);
        QFETCH(QStringList, unselected);
        QFETCH(QStringList, selected);
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        picker.widget->init();

        for (const QString &step : steps)
            QVERIFY2(picker.run(step), qPrintable(step));

        QCOMPARE(picker.states(), states);
        QCOMPARE(groupstest::Texts(picker.folders()), folders);
        QCOMPARE(groupstest::Texts(picker.unselected()), unselected);
        QCOMPARE(groupstest::Texts(picker.selected()), selected);
    }

    // A folder of thousands of documents goes through include, add all and
    // remove all in the end state a short folder leaves: every document once,
    // in text order; a single document added later still takes its place.
    void longFolderEndsInListOrder()
    {
        constexpr int Documents = 3000;
        QStringList names{"Agenda", "Budget"};
        m_directory->addFolder(104, GroupDirectory::HomeFolderId, "Crowd");
        for (int n = 0; n < Documents; ++n) {
            // Names in an order of their own, so that the lists have to sort.
            const QString name = QStringLiteral("D%1").arg((n * 7919) % Documents, 4, 10, QLatin1Char('0'));
            m_directory->addDocument(1000 + n, 104, name.toStdString());
            names.append(name);
        }
        names.sort();
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        picker.widget->init();

        QVERIFY(picker.run(QStringLiteral("folders:Crowd")));
        QVERIFY(picker.run(QStringLiteral("include")));
        QCOMPARE(groupstest::Texts(picker.unselected()), names);
        QCOMPARE(picker.states(), QStringLiteral("010100"));

        QVERIFY(picker.run(QStringLiteral("addAll")));
        QCOMPARE(picker.unselected()->count(), 0);
        QCOMPARE(groupstest::Texts(picker.selected()), names);
        QCOMPARE(picker.states(), QStringLiteral("010001"));

        picker.widget->addDocument(m_directory->document(1000));
        qorv::data::Document late = m_directory->document(1000);
        late.set_document_id(7);
        late.set_document_name("D1500a");
        picker.widget->addDocument(late);
        names.insert(names.indexOf(QStringLiteral("D1501")), QStringLiteral("D1500a"));
        QCOMPARE(groupstest::Texts(picker.selected()), names);

        QVERIFY(picker.run(QStringLiteral("removeAll")));
        QCOMPARE(picker.selected()->count(), 0);
        QCOMPARE(groupstest::Texts(picker.unselected()), names);
        QCOMPARE(picker.states(), QStringLiteral("010100"));
    }

    void excludedDocumentsTravelWithEveryInclude()
    {
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        picker.widget->addExcludedDocument(5);
        picker.widget->addExcludedDocument(2);
        picker.widget->addExcludedDocument(5);

        picker.widget->init();
        QVERIFY(picker.run(QStringLiteral("includeAll")));

        const auto requests = Sent<qorv::data::SelectDocumentRequest>(*m_server, common::op::SelectDocument);
        QCOMPARE(requests.size(), 3);
        for (const auto &request : requests)
            QCOMPARE(QList<int>(request.exclude_document_id().begin(), request.exclude_document_id().end()),
                     QList<int>({2, 5}));
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Agenda", "Reply", "Thanks"}));
    }

    void failedFolderListing()
    {
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        m_server->injectFault(TestFault::noAnswer());

        picker.widget->init();

        QCOMPARE(picker.folders()->count(), 0);
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Agenda", "Budget"}));
        QCOMPARE(picker.states(), QStringLiteral("000000"));
        // The home folder never made it into the history.
        QVERIFY(picker.run(QStringLiteral("back")));
        QCOMPARE(folderRequests(), 1);
    }

    void failedBackLosesBothFolders()
    {
        HostedPicker hosted;
        const Picker &picker = hosted.picker;
        picker.widget->init();
        QVERIFY(picker.run(QStringLiteral("open:Letters")));
        m_server->injectFault(TestFault::noAnswer());

        QVERIFY(picker.run(QStringLiteral("back")));
        QCOMPARE(picker.folders()->count(), 0);
        QVERIFY(picker.run(QStringLiteral("back")));
        QCOMPARE(folderRequests(), 3);

        QVERIFY(picker.run(QStringLiteral("forward")));
        QCOMPARE(groupstest::Texts(picker.folders()), QStringList({"Old"}));
    }

    void dialogOkOnlyWithDocumentsChosen()
    {
        SelectDocumentsDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Documents"));
        QCOMPARE(dialog.minimumSize(), QSize(800, 600));
        const Picker picker(&dialog);
        QCOMPARE(picker.widget->userId(), int(DbId::m_NullId));
        dialog.setUserId(GroupDirectory::SessionUserId);
        QCOMPARE(picker.widget->userId(), GroupDirectory::SessionUserId);
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        dialog.init();
        QVERIFY(!ok->isEnabled());

        QVERIFY(picker.run(QStringLiteral("unselected:Agenda")));
        QVERIFY(picker.run(QStringLiteral("add")));
        QVERIFY(ok->isEnabled());
        QVERIFY(picker.run(QStringLiteral("unselected:Budget")));
        QVERIFY(picker.run(QStringLiteral("add")));
        QVERIFY(picker.run(QStringLiteral("selected:Agenda")));
        QVERIFY(picker.run(QStringLiteral("remove")));
        QVERIFY(ok->isEnabled());
        QVERIFY(picker.run(QStringLiteral("removeAll")));
        QVERIFY(!ok->isEnabled());
    }

    void dialogResetKeepsTheChosenDocuments()
    {
        SelectDocumentsDialog dialog;
        const Picker picker(&dialog);
        dialog.init();
        QVERIFY(picker.run(QStringLiteral("open:Letters")));
        QVERIFY(picker.run(QStringLiteral("folders:Old")));
        QVERIFY(picker.run(QStringLiteral("include")));
        QVERIFY(picker.run(QStringLiteral("addAll")));
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(ok->isEnabled());

        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Reset)->click();

        QCOMPARE(groupstest::Texts(picker.folders()), QStringList({"Letters", "Plans"}));
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Agenda", "Budget"}));
        QCOMPARE(groupstest::Texts(picker.selected()), QStringList({"Draft"}));
        QVERIFY(ok->isEnabled());
        // Reset forgot where the user had been.
        const int before = folderRequests();
        QVERIFY(picker.run(QStringLiteral("back")));
        QCOMPARE(folderRequests(), before);

        testsupport::DialogAnswerer answerer;
        answerer.expect(QDialogButtonBox::Ok);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        const qorv::data::Documents documents = dialog.selectedDocuments();
        QCOMPARE(documents.document_size(), 1);
        QCOMPARE(documents.document(0).document_id(), 6);
    }

    // A name with a "/" is chosen like any other.
    void everyChosenDocumentIsAnItem()
    {
        const HostedPicker hosted;
        qorv::data::Document minutes;
        minutes.set_document_id(7);
        minutes.set_document_name("Q1/Q2 minutes");
        qorv::data::Document agenda;
        agenda.set_document_id(8);
        agenda.set_document_name("Agenda");
        hosted.picker.widget->addDocument(minutes);
        hosted.picker.widget->addDocument(agenda);
        QCOMPARE(hosted.picker.widget->selectedItems().size(), 2);
        QCOMPARE(hosted.picker.widget->selectedDocuments().document_size(), 2);
    }
};

QTEST_MAIN(TestSelectDocuments)
#include "tst_selectdocuments.moc"
