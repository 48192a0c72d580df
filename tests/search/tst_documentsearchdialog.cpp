#include "abstractsearcheditor.h"
#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dispatchtotestserver.h"
#include "folderdocumentsearchdialog.h"
#include "folderkeydocumentsearchdialog.h"
#include "itemrole.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "scopedclock.h"
#include "searchtableview.h"
#include "searchtestsupport.h"
#include "testenvironment.h"
#include "testserver.h"

#include "documentkeys3.pb.h"
#include "documents3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using namespace searchtest;
using testsupport::TestFault;
using testsupport::TestServer;

namespace
{
const int UserId = 7;
const int HomeFolderId = 100;
const int SharedFolderId = 300;
const QString SearchFailed =
    QStringLiteral("The search could not be completed, so the results below were not updated. Please try again.");

qorv::data::Document MakeDocument(int id, const std::string &name, const std::string &created,
                                  const std::string &modified)
{
    qorv::data::Document document;
    document.set_document_id(id);
    document.set_document_name(name);
    document.set_document_creation_date(created);
    document.set_document_modification_date(modified);
    return document;
}

// Three documents whose name order differs from their date order.
std::vector<qorv::data::Document> ThreeDocuments()
{
    return {MakeDocument(1, "Budget", "2024-03-05 14:07:09", "2024-05-01 08:00:00"),
            MakeDocument(2, "Agenda", "2024-01-20 09:30:00", "2024-06-01 10:00:00.250"),
            MakeDocument(3, "Minutes", "2023-12-24 18:00:00", "2024-02-02 12:00:00")};
}

std::string DocumentReply(const std::vector<qorv::data::Document> &documents)
{
    qorv::data::SelectDocumentReply reply;
    for (const auto &document : documents)
        *reply.add_document() = document;
    return reply.SerializeAsString();
}

std::string DocumentKeyReply(const std::vector<qorv::data::Document> &documents, unsigned int emphasized = 0)
{
    qorv::data::SelectDocumentKeyReply reply;
    for (std::size_t index = 0; index < documents.size(); ++index) {
        qorv::data::DocumentKey *key = reply.add_document_key();
        *key->mutable_document_key_document() = documents[index];
        if (emphasized & (1u << index))
            key->set_document_key_properties(1);
    }
    return reply.SerializeAsString();
}

// The folder search and the folder-key search, behind one face.
struct Search
{
    std::unique_ptr<DocumentSearchDialog> dialog;
    int opcode;
    bool keys;

    QTableWidget &results() const { return *Results(*dialog); }
    SearchTableView &criteria() const { return *Criteria(*dialog); }
    QCheckBox &subfolders() const { return *dialog->findChild<QCheckBox *>(); }
    QRadioButton &any() const { return *dialog->findChildren<QRadioButton *>().at(1); }

    // The request that the dialog builds now, as the generic message.
    std::unique_ptr<google::protobuf::Message> request() const
    {
        if (keys) {
            return std::make_unique<qorv::data::SelectDocumentKeyRequest>(
                static_cast<FolderKeyDocumentSearchDialog &>(*dialog).getSelectDocumentKeyRequest());
        }
        return std::make_unique<qorv::data::SelectDocumentRequest>(
            static_cast<FolderDocumentSearchDialog &>(*dialog).getSelectDocumentRequest());
    }

    // The names of the selected records, in the order the dialog hands them.
    QStringList selectedNames() const
    {
        QStringList names;
        if (keys) {
            const auto selected = static_cast<FolderKeyDocumentSearchDialog &>(*dialog).selectedDocumentKeys();
            for (const auto &key : selected.document_key())
                names << QString::fromStdString(key.document_key_document().document_name());
        } else {
            const auto selected = static_cast<FolderDocumentSearchDialog &>(*dialog).selectedDocuments();
            for (const auto &document : selected.document())
                names << QString::fromStdString(document.document_name());
        }
        return names;
    }

    // The record kept with a result row, by its name cell.
    qorv::data::Document rowDocument(int row) const
    {
        const QTableWidgetItem *name = results().item(row, 0);
        if (!name)
            return {};
        if (keys)
            return name->data(DocumentKeyRole).value<qorv::data::DocumentKey>().document_key_document();
        return name->data(DocumentRole).value<qorv::data::Document>();
    }

    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < results().rowCount(); ++row)
            texts << (results().item(row, column) ? results().item(row, column)->text() : QStringLiteral("<none>"));
        return texts;
    }
};
}

// The folder and folder-key document searches against the test server.
class TestDocumentSearchDialog : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    testsupport::ScopedClock m_clock{testsupport::UtcInstant(2024, 6, 14, 12)};
    qorv::data::Folder m_homeFolder;
    qorv::data::Folder m_otherFolder;
    qorv::data::FolderKey m_folderKey;

    Search makeSearch(bool keys)
    {
        if (keys)
            return Search{std::make_unique<FolderKeyDocumentSearchDialog>(m_folderKey, nullptr), 40, true};
        return Search{std::make_unique<FolderDocumentSearchDialog>(m_otherFolder, nullptr), 41, false};
    }

    void scriptReply(const Search &search, const std::vector<qorv::data::Document> &documents,
                     unsigned int emphasized = 0)
    {
        m_server.reply(search.opcode, 1,
                       search.keys ? DocumentKeyReply(documents, emphasized) : DocumentReply(documents));
    }

    static void addSearchColumns() { QTest::addColumn<bool>("keys"); }

    static void addSearchRows(const char *name = "")
    {
        QTest::newRow(qPrintable(QStringLiteral("folder%1").arg(QLatin1String(name)))) << false;
        QTest::newRow(qPrintable(QStringLiteral("folder key%1").arg(QLatin1String(name)))) << true;
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC0");
        QVERIFY(testsupport::InstallClientTranslation());
        QVERIFY(testsupport::StartAndDispatchTo(m_server));

        qorv::data::User user;
        user.set_user_id(UserId);
        user.set_user_folder_id(HomeFolderId);
        RegistrySingleton::instance()->setUser(user);

        m_homeFolder.set_folder_id(HomeFolderId);
        m_homeFolder.set_folder_name("home");
        m_otherFolder.set_folder_id(200);
        m_otherFolder.set_folder_name("Reports 2024");
        m_folderKey.mutable_folder_key_folder()->set_folder_id(SharedFolderId);
        m_folderKey.mutable_folder_key_folder()->set_folder_name("Shared Plans");
    }

    void init()
    {
        testsupport::SetTimeZone("UTC0");
        MessageDispatcher::setServerPort(m_server.port());
        m_server.reply(common::op::SelectDocument, common::tag::Plain, DocumentReply({}));
        m_server.reply(common::op::SelectDocumentKey, common::tag::Plain, DocumentKeyReply({}));
        m_server.clearRequests();
    }

    void titlesNameTheFolder()
    {
        QCOMPARE(FolderDocumentSearchDialog(m_homeFolder, nullptr).windowTitle(),
                 QStringLiteral("Search for Documents in 'Home Folder'"));
        QCOMPARE(FolderDocumentSearchDialog(m_otherFolder, nullptr).windowTitle(),
                 QStringLiteral("Search for Documents in 'Reports 2024'"));
        QCOMPARE(FolderKeyDocumentSearchDialog(m_folderKey, nullptr).windowTitle(),
                 QStringLiteral("Search for Documents in 'Shared Plans'"));
        // A shared folder is never called the home folder, even with the
        // same id.
        qorv::data::FolderKey homeKey;
        *homeKey.mutable_folder_key_folder() = m_homeFolder;
        QCOMPARE(FolderKeyDocumentSearchDialog(homeKey, nullptr).windowTitle(),
                 QStringLiteral("Search for Documents in 'home'"));
        QCOMPARE(FolderKeyDocumentSearchDialog(qorv::data::FolderKey(), nullptr).windowTitle(),
                 QStringLiteral("Search for Documents in ''"));
    }

    void dialogStartsEmpty_data()
    {
        addSearchColumns();
        addSearchRows();
    }

    void dialogStartsEmpty()
    {
        QFETCH(bool, keys);
        const Search search = makeSearch(keys);
        QVERIFY(ShowActive(*search.dialog));
        QCOMPARE(search.criteria().getStandardItemModel()->rowCount(), 1);
        QCOMPARE(SubjectBox(*Editor(search.criteria(), 0))->currentText(), QStringLiteral("Document name"));
        QCOMPARE(search.results().rowCount(), 0);
        QCOMPARE(search.results().columnCount(), 3);
        QCOMPARE(search.results().horizontalHeaderItem(0)->text(), QStringLiteral("Document Name"));
        QCOMPARE(search.results().horizontalHeaderItem(1)->text(), QStringLiteral("Creation Date"));
        QCOMPARE(search.results().horizontalHeaderItem(2)->text(), QStringLiteral("Modification Date"));
        QVERIFY(search.results().isSortingEnabled());
        QCOMPARE(search.results().editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(search.results().selectionMode(), QAbstractItemView::MultiSelection);
        QCOMPARE(search.results().selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(search.dialog->findChildren<QRadioButton *>().at(0)->isChecked());
        QCOMPARE(search.dialog->findChildren<QRadioButton *>().at(0)->text(), QStringLiteral("All of the following"));
        QCOMPARE(search.any().text(), QStringLiteral("Any of the following"));
        QCOMPARE(search.subfolders().text(), QStringLiteral("Search subfolders"));
        QVERIFY(!search.subfolders().isChecked());
        QCOMPARE(Button(*search.dialog, QDialogButtonBox::Apply)->text(), QStringLiteral("Search"));
        QCOMPARE(Button(*search.dialog, QDialogButtonBox::Ok)->text(), QStringLiteral("Open"));
        QVERIFY(!Button(*search.dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Button(*search.dialog, QDialogButtonBox::Apply)));
        QVERIFY(!FailureNotice(*search.dialog)->isVisible());

        // No smaller than 640 by 480.
        QCOMPARE(search.dialog->minimumSize(), QSize(640, 480));
        search.dialog->resize(300, 200);
        QVERIFY(search.dialog->width() >= 640 && search.dialog->height() >= 480);

        // Escape closes it, rejected.
        QTest::keyClick(search.dialog.get(), Qt::Key_Escape);
        QCOMPARE(search.dialog->result(), int(QDialog::Rejected));
        QVERIFY(search.dialog->isHidden());
        QVERIFY(m_server.requests().empty());
    }

    void criteriaRowsAreAddedAndRemoved()
    {
        const Search search = makeSearch(false);
        QVERIFY(ShowActive(*search.dialog));
        ClickHorizontalHeader(search.criteria());
        ClickHorizontalHeader(search.criteria());
        QCOMPARE(search.criteria().getStandardItemModel()->rowCount(), 3);
        SetTextCriterion(search.criteria(), 0, 0, 0, QStringLiteral("first"));
        SetTextCriterion(search.criteria(), 1, 0, 0, QStringLiteral("second"));
        SetTextCriterion(search.criteria(), 2, 0, 0, QStringLiteral("third"));
        ClickVerticalHeader(search.criteria(), 0);
        QCOMPARE(search.criteria().getStandardItemModel()->rowCount(), 2);
        const auto request = search.request();
        QCOMPARE(Texts(*request, "document_name_equal"), (QStringList{"second", "third"}));
    }

    void eachCriterionGoesToItsField_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("predicate");
        QTest::addColumn<QString>("field");
        const char *const names[] = {"equal", "not_equal", "like", "not_like"};
        const char *const dates[] = {"equal",        "not_equal",          "less_than",
                                     "greater_than", "less_than_or_equal", "greater_than_or_equal"};
        for (const bool keys : {false, true}) {
            const char *dialog = keys ? "folder key" : "folder";
            for (int predicate = 0; predicate < 4; ++predicate) {
                QTest::addRow("%s: name %s", dialog, names[predicate])
                    << keys << 0 << predicate << QStringLiteral("document_name_%1").arg(names[predicate]);
            }
            QTest::addRow("%s: content", dialog) << keys << 1 << 0 << "document_body_contains";
            for (int predicate = 0; predicate < 6; ++predicate) {
                QTest::addRow("%s: created %s", dialog, dates[predicate])
                    << keys << 2 << predicate << QStringLiteral("document_creation_date_%1").arg(dates[predicate]);
                QTest::addRow("%s: modified %s", dialog, dates[predicate])
                    << keys << 3 << predicate << QStringLiteral("document_modification_date_%1").arg(dates[predicate]);
            }
        }
    }

    void eachCriterionGoesToItsField()
    {
        QFETCH(bool, keys);
        QFETCH(int, subject);
        QFETCH(int, predicate);
        QFETCH(QString, field);
        const Search search = makeSearch(keys);
        const bool date = subject >= 2;
        if (date)
            SetDateCriterion(search.criteria(), 0, subject, predicate, QDate(2024, 3, 10));
        else
            SetTextCriterion(search.criteria(), 0, subject, predicate, QStringLiteral("Q1 %Report_ "));

        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(m_server.requests().size(), std::size_t(1));
        const testsupport::TestRequest sent = m_server.requests().front();
        QCOMPARE(sent.majorOpcode, search.opcode);
        QCOMPARE(sent.minorOpcode, common::tag::Plain);
        std::unique_ptr<google::protobuf::Message> request = search.request();
        QVERIFY(request->ParseFromString(sent.payload));
        QCOMPARE(FilledTextLists(*request), QStringList{field});
        // Sent as typed, trimmed by the editor; a day as its UTC start.
        QCOMPARE(Texts(*request, field.toStdString()),
                 QStringList{date ? QStringLiteral("2024-03-10 00:00:00") : QStringLiteral("Q1 %Report_")});
    }

    void scopeIsAlwaysSent_data()
    {
        addSearchColumns();
        addSearchRows();
    }

    void scopeIsAlwaysSent()
    {
        QFETCH(bool, keys);
        const Search search = makeSearch(keys);
        const QStringList scope =
            keys ? QStringList{"document_key_user_id", "document_folder_id", "logical_operator", "search_subfolders"}
                 : QStringList{"document_folder_id", "logical_operator", "search_subfolders"};
        // The starting row has no text: only the scope goes out, false and
        // LOGICAL_AND included.
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(m_server.requests().size(), std::size_t(1));
        auto sent = search.request();
        QVERIFY(sent->ParseFromString(m_server.requests().front().payload));
        QCOMPARE(PresentFields(*sent), scope);
        QVERIFY(FilledTextLists(*sent).isEmpty());
        if (keys) {
            const auto &request = static_cast<qorv::data::SelectDocumentKeyRequest &>(*sent);
            QCOMPARE(request.document_key_user_id(), UserId);
            QCOMPARE(request.document_folder_id(), SharedFolderId);
            QCOMPARE(request.logical_operator(), qorv::data::SelectDocumentKeyRequest::LOGICAL_AND);
            QCOMPARE(request.search_subfolders(), false);
        } else {
            const auto &request = static_cast<qorv::data::SelectDocumentRequest &>(*sent);
            QCOMPARE(request.document_folder_id(), 200);
            QCOMPARE(request.logical_operator(), qorv::data::SelectDocumentRequest::LOGICAL_AND);
            QCOMPARE(request.search_subfolders(), false);
        }

        search.any().setChecked(true);
        search.subfolders().setChecked(true);
        const auto request = search.request();
        const google::protobuf::Reflection *reflection = request->GetReflection();
        const auto *type = request->GetDescriptor();
        QCOMPARE(reflection->GetEnumValue(*request, type->FindFieldByName("logical_operator")), 1);
        QCOMPARE(reflection->GetBool(*request, type->FindFieldByName("search_subfolders")), true);
    }

    void recordsWithoutIdsSendZero()
    {
        // A folder without an id is the home folder of a user without one;
        // an absent id goes out as 0, present on the wire.
        Registry &registry = *RegistrySingleton::instance();
        const qorv::data::User loggedOn = registry.getUser();
        registry.setUser(qorv::data::User());
        const qorv::data::Folder folder;
        FolderDocumentSearchDialog folderSearch(folder, nullptr);
        QCOMPARE(folderSearch.windowTitle(), QStringLiteral("Search for Documents in 'Home Folder'"));
        const qorv::data::SelectDocumentRequest request = folderSearch.getSelectDocumentRequest();
        QCOMPARE(request.id_enum_case(), qorv::data::SelectDocumentRequest::kDocumentFolderId);
        QCOMPARE(request.document_folder_id(), 0);

        const qorv::data::FolderKey key;
        FolderKeyDocumentSearchDialog keySearch(key, nullptr);
        const qorv::data::SelectDocumentKeyRequest keyRequest = keySearch.getSelectDocumentKeyRequest();
        QVERIFY(keyRequest.has_document_folder_id());
        QCOMPARE(keyRequest.document_folder_id(), 0);
        QVERIFY(keyRequest.has_document_key_user_id());
        QCOMPARE(keyRequest.document_key_user_id(), 0);
        registry.setUser(loggedOn);
    }

    void textsAreCutToTheirLimits_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sent");
        for (const bool keys : {false, true}) {
            const char *dialog = keys ? "folder key" : "folder";
            QTest::addRow("%s: name of 70", dialog)
                << keys << 0 << QString(70, QLatin1Char('n')) << QString(64, QLatin1Char('n'));
            QTest::addRow("%s: content of 2,500", dialog)
                << keys << 1 << QString(2500, QLatin1Char('c')) << QString(2000, QLatin1Char('c'));
            QTest::addRow("%s: name with a character across byte 64", dialog)
                << keys << 0 << QString(63, QLatin1Char('n')) + QStringLiteral("\u00e9t\u00e9")
                << QString(63, QLatin1Char('n'));
            QTest::addRow("%s: content with a character across byte 2,000", dialog)
                << keys << 1 << QString(1999, QLatin1Char('c')) + QStringLiteral("\u20ac")
                << QString(1999, QLatin1Char('c'));
        }
    }

    void textsAreCutToTheirLimits()
    {
        QFETCH(bool, keys);
        QFETCH(int, subject);
        QFETCH(QString, text);
        QFETCH(QString, sent);
        const Search search = makeSearch(keys);
        SetTextCriterion(search.criteria(), 0, subject, 0, text);
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(m_server.requests().size(), std::size_t(1));
        // The server parses it: the cut left valid UTF-8.
        auto request = search.request();
        QVERIFY(request->ParseFromString(m_server.requests().front().payload));
        QCOMPARE(Texts(*request, subject == 0 ? "document_name_equal" : "document_body_contains"), QStringList{sent});
    }

    void rowsKeepTheirOrder()
    {
        const Search search = makeSearch(false);
        ClickHorizontalHeader(search.criteria());
        ClickHorizontalHeader(search.criteria());
        ClickHorizontalHeader(search.criteria());
        SetTextCriterion(search.criteria(), 0, 0, 2, QStringLiteral("a"));
        SetTextCriterion(search.criteria(), 1, 0, 3, QStringLiteral("a"));
        SetTextCriterion(search.criteria(), 2, 0, 0, QString());
        SetTextCriterion(search.criteria(), 3, 0, 2, QStringLiteral("b"));
        const auto request = search.request();
        QCOMPARE(Texts(*request, "document_name_like"), (QStringList{"a", "b"}));
        QCOMPARE(Texts(*request, "document_name_not_like"), QStringList{"a"});
        QCOMPARE(FilledTextLists(*request), (QStringList{"document_name_like", "document_name_not_like"}));
    }

    void datesAreSentAsTheUtcStartOfTheLocalDay_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("sent");
        QTest::newRow("east") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << "2024-03-09 23:00:00";
        QTest::newRow("west") << QByteArray("PST8PDT,M3.2.0,M11.1.0") << "2024-03-10 08:00:00";
    }

    void datesAreSentAsTheUtcStartOfTheLocalDay()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, sent);
        testsupport::SetTimeZone(zone);
        for (const bool keys : {false, true}) {
            const Search search = makeSearch(keys);
            SetDateCriterion(search.criteria(), 0, 2, 3, QDate(2024, 3, 10));
            QCOMPARE(Texts(*search.request(), "document_creation_date_greater_than"), QStringList{sent});
        }
    }

    void textBeingTypedIsSearched_data()
    {
        addSearchColumns();
        addSearchRows();
    }

    void textBeingTypedIsSearched()
    {
        QFETCH(bool, keys);
        const Search search = makeSearch(keys);
        QVERIFY(ShowActive(*search.dialog));
        QLineEdit *field = TextField(*Editor(search.criteria(), 0));
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("plan"));
        // No Return: the search itself takes the text.
        search.dialog->search();
        QCOMPARE(m_server.requests().size(), std::size_t(1));
        auto request = search.request();
        QVERIFY(request->ParseFromString(m_server.requests().front().payload));
        QCOMPARE(Texts(*request, "document_name_equal"), QStringList{"plan"});
    }

    void resultsListTheRepliedRecords_data()
    {
        addSearchColumns();
        addSearchRows();
    }

    void resultsListTheRepliedRecords()
    {
        QFETCH(bool, keys);
        testsupport::SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
        const Search search = makeSearch(keys);
        scriptReply(search, ThreeDocuments());
        Button(*search.dialog, QDialogButtonBox::Apply)->click();

        // Sorted by name, descending, at the start; times in local time.
        QCOMPARE(search.column(0), (QStringList{"Minutes", "Budget", "Agenda"}));
        QCOMPARE(search.column(1), (QStringList{"2023-12-24 19:00:00", "2024-03-05 15:07:09", "2024-01-20 10:30:00"}));
        QCOMPARE(search.column(2), (QStringList{"2024-02-02 13:00:00", "2024-05-01 10:00:00", "2024-06-01 12:00:00"}));
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(QString::fromStdString(search.rowDocument(row).document_name()), search.column(0).at(row));
            for (int column = 0; column < 3; ++column) {
                const QTableWidgetItem *cell = search.results().item(row, column);
                QVERIFY(!(cell->flags() & Qt::ItemIsEditable));
                QCOMPARE(cell->data(DocumentRole).isValid(), column == 0 && !keys);
                QCOMPARE(cell->data(DocumentKeyRole).isValid(), column == 0 && keys);
            }
        }
        QVERIFY(!Button(*search.dialog, QDialogButtonBox::Ok)->isEnabled());
    }

    void sortedRowsOpenThePickedRecord_data()
    {
        addSearchColumns();
        addSearchRows();
    }

    void sortedRowsOpenThePickedRecord()
    {
        QFETCH(bool, keys);
        const Search search = makeSearch(keys);
        QVERIFY(ShowActive(*search.dialog));
        scriptReply(search, ThreeDocuments());
        Button(*search.dialog, QDialogButtonBox::Apply)->click();

        // By creation date, ascending (the first click on another column).
        ClickResultsHeader(search.results(), 1);
        QCOMPARE(search.results().horizontalHeader()->sortIndicatorSection(), 1);
        const Qt::SortOrder order = search.results().horizontalHeader()->sortIndicatorOrder();
        const QStringList byCreation = order == Qt::AscendingOrder ? QStringList{"Minutes", "Agenda", "Budget"}
                                                                   : QStringList{"Budget", "Agenda", "Minutes"};
        QCOMPARE(search.column(0), byCreation);
        // Every row's cells and record belong together.
        for (int row = 0; row < 3; ++row) {
            const qorv::data::Document document = search.rowDocument(row);
            QCOMPARE(QString::fromStdString(document.document_name()), search.column(0).at(row));
            QCOMPARE(search.column(1).at(row), QString::fromStdString(document.document_creation_date()));
        }

        // A new search keeps the user's sort order.
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(search.column(0), byCreation);

        // The row the user picks is the record handed back.
        ClickResultRow(search.results(), 1);
        QVERIFY(Button(*search.dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(search.selectedNames(), QStringList{"Agenda"});
        ClickResultRow(search.results(), 2);
        QCOMPARE(search.selectedNames().size(), 2);
        QVERIFY(search.selectedNames().contains(byCreation.at(2)));
        // A plain click toggles: deselecting both disables Open again.
        ClickResultRow(search.results(), 1);
        ClickResultRow(search.results(), 2);
        QVERIFY(!Button(*search.dialog, QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(search.selectedNames().isEmpty());

        ClickResultRow(search.results(), 0);
        ClickResultRow(search.results(), 2);
        Button(*search.dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(search.dialog->result(), int(QDialog::Accepted));
        QStringList picked = search.selectedNames();
        picked.sort();
        QStringList expected{byCreation.at(0), byCreation.at(2)};
        expected.sort();
        QCOMPARE(picked, expected);
    }

    void failedSearchKeepsTheResultsAndSaysSo_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::addColumn<QString>("failure");
        for (const bool keys : {false, true}) {
            const char *dialog = keys ? "folder key" : "folder";
            for (const char *failure : {"no answer", "wrong tag", "error codes", "unparsable", "no server"})
                QTest::addRow("%s: %s", dialog, failure) << keys << QString::fromLatin1(failure);
        }
    }

    void failedSearchKeepsTheResultsAndSaysSo()
    {
        QFETCH(bool, keys);
        QFETCH(QString, failure);
        const Search search = makeSearch(keys);
        QVERIFY(ShowActive(*search.dialog));
        QLabel *notice = FailureNotice(*search.dialog);
        scriptReply(search, ThreeDocuments());
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        ClickResultRow(search.results(), 0);
        const QStringList before = search.column(0);
        QCOMPARE(before.size(), 3);

        // Whatever goes wrong, the earlier results stay and the dialog says
        // that this search did not run, instead of showing an empty list.
        scriptReply(search, {ThreeDocuments().front()});
        if (failure == QLatin1String("no answer"))
            m_server.injectFault(TestFault::noAnswer());
        else if (failure == QLatin1String("wrong tag"))
            m_server.injectFault(TestFault::wrongTag());
        else if (failure == QLatin1String("error codes"))
            m_server.reply(search.opcode, 1, keys ? DocumentKeyReply({}) : DocumentReply({}), 2, 1);
        else if (failure == QLatin1String("unparsable"))
            m_server.reply(search.opcode, 1, std::string("\x08", 1));
        else
            MessageDispatcher::setServerPort(1025);
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        MessageDispatcher::setServerPort(m_server.port());
        QCOMPARE(search.column(0), before);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), SearchFailed);
        QCOMPARE(search.selectedNames().size(), 1);

        // The next good search replaces the results and the notice goes.
        scriptReply(search, {ThreeDocuments().front()});
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(search.column(0), QStringList{"Budget"});
        QVERIFY(!notice->isVisible());
        QVERIFY(!Button(*search.dialog, QDialogButtonBox::Ok)->isEnabled());

        // A search that finds nothing is no failure.
        scriptReply(search, {});
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(search.results().rowCount(), 0);
        QVERIFY(!notice->isVisible());
    }

    void folderKeyRowsShowTheKeys()
    {
        const Search search = makeSearch(true);
        std::vector<qorv::data::Document> documents = ThreeDocuments();
        documents[1].set_document_modification_date("not a time");
        scriptReply(search, documents, 0b101);
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        // The key whose document lacks a valid time keeps an empty row.
        QCOMPARE(search.results().rowCount(), 3);
        QCOMPARE(search.column(0), (QStringList{"Minutes", "Budget", "<none>"}));
        // Bold names for keys that ask for emphasis.
        QCOMPARE(search.results().item(0, 0)->font().weight(), QFont::Bold);
        QCOMPARE(search.results().item(1, 0)->font().weight(), QFont::Bold);
        search.results().selectRow(2);
        QVERIFY(search.selectedNames().isEmpty());

        documents[1].set_document_modification_date("2024-01-01 00:00:00");
        scriptReply(search, documents, 0b010);
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(search.results().item(0, 0)->font().weight(), QFont::Normal);
        QCOMPARE(search.results().item(2, 0)->font().weight(), QFont::Bold);
        QCOMPARE(search.column(0).at(2), QStringLiteral("Agenda"));
    }

    void resetReturnsToTheStart_data()
    {
        addSearchColumns();
        addSearchRows();
    }

    void resetReturnsToTheStart()
    {
        QFETCH(bool, keys);
        const Search search = makeSearch(keys);
        QVERIFY(ShowActive(*search.dialog));
        ClickHorizontalHeader(search.criteria());
        SetDateCriterion(search.criteria(), 1, 3, 4, QDate(2024, 1, 2));
        search.any().setChecked(true);
        search.subfolders().setChecked(true);
        scriptReply(search, ThreeDocuments());
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        ClickResultRow(search.results(), 0);
        m_server.injectFault(TestFault::noAnswer());
        Button(*search.dialog, QDialogButtonBox::Apply)->click();
        QVERIFY(FailureNotice(*search.dialog)->isVisible());

        Button(*search.dialog, QDialogButtonBox::Reset)->click();
        QStandardItemModel *criteria = search.criteria().getStandardItemModel();
        QCOMPARE(criteria->rowCount(), 1);
        QVERIFY(!criteria->index(0, 0).data(SearchTableView::SubjectRole).isValid());
        AbstractSearchEditor *editor = Editor(search.criteria(), 0);
        QVERIFY(editor);
        QCOMPARE(editor->getSubject(), 0);
        QCOMPARE(editor->getPredicate(), 0);
        QVERIFY(editor->getText().isEmpty());
        QCOMPARE(search.results().rowCount(), 0);
        QVERIFY(!Button(*search.dialog, QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!FailureNotice(*search.dialog)->isVisible());
        // The choices stay.
        QVERIFY(search.any().isChecked());
        QVERIFY(search.subfolders().isChecked());
        QCOMPARE(search.criteria().getStandardItemModel()->headerData(0, Qt::Vertical).toString(), QStringLiteral("-"));
    }
};

QTEST_MAIN(TestDocumentSearchDialog)
#include "tst_documentsearchdialog.moc"
