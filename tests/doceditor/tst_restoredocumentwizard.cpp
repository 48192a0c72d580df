#include "browserbus.h"
#include "dialoganswerer.h"
#include "restoredocumentselectfolderwizardpage.h"
#include "restoredocumentwizard.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;
using testsupport::DialogAnswerer;

namespace
{
constexpr int Home = GroupDirectory::HomeFolderId;
constexpr int Plans = 11;
constexpr int Drafts = 13; // in Plans
constexpr int GoneFolder = 99;

qorv::data::Document Revision(int documentId, int folderId, const std::string &name, const std::string &from,
                              const std::string &to)
{
    qorv::data::Document revision;
    revision.set_document_id(documentId);
    revision.set_document_folder_id(folderId);
    revision.set_document_name(name);
    revision.set_document_body("<p>" + name + " " + to + "</p>");
    revision.mutable_sys_period()->set_from(from);
    revision.mutable_sys_period()->set_to(to);
    return revision;
}

QStringList Column(const QTableWidget *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, column)->text());
    return texts;
}

QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QRadioButton *Choice(const QWizardPage *page, const QString &text)
{
    for (QRadioButton *button : page->findChildren<QRadioButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}
}

// The restore wizard against the test server: the deleted documents and
// their revisions, the original folder, the folder the user picks, and the
// name conflicts that keep a page from being left.
class TestRestoreDocumentWizard : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;
    std::unique_ptr<RestoreDocumentWizard> m_wizard;

    testsupport::TestServer &server() { return m_bus.server(); }
    QWizardPage *documentPage() const { return m_wizard->page(RestoreDocumentWizard::SelectDocumentPage); }
    QTableWidget *table() const { return documentPage()->findChild<QTableWidget *>(); }
    QListWidget *revisions() const { return documentPage()->findChild<QListWidget *>(); }
    QRadioButton *original() const
    {
        return Choice(documentPage(),
                      QStringLiteral("Automatically restore the document in the folder that contained it"));
    }
    QRadioButton *manual() const
    {
        return Choice(documentPage(),
                      QStringLiteral("Manually select the folder in which the document is to be restored"));
    }

    void clickName(const QString &name)
    {
        const QList<QTableWidgetItem *> found = table()->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualItemRect(found.first()).center());
    }

    // Opens the wizard on the document page with its search done.
    void openOnDocumentPage()
    {
        m_wizard = std::make_unique<RestoreDocumentWizard>();
        m_wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wizard.get()));
        m_wizard->next();
        QCOMPARE(m_wizard->currentId(), int(RestoreDocumentWizard::SelectDocumentPage));
    }

    QString confirmation() const
    {
        return m_wizard->page(RestoreDocumentWizard::ConfirmationPage)->findChild<QTextEdit *>()->toPlainText();
    }

private slots:
    void initTestCase() { QVERIFY(BrowserBus::setUpLikeTheProgram()); }

    void init()
    {
        QVERIFY(m_bus.start());
        GroupDirectory &directory = m_bus.directory();
        directory.addFolder(Plans, Home, "Plans");
        directory.addFolder(Drafts, Plans, "Drafts");
        directory.addDocument(31, Plans, "Notes");
        directory.addDocument(32, Home, "Budget");
        // Minutes: two revisions, deleted from Plans.
        directory.addDeletedRevision(Revision(7, Plans, "Minutes", "2024-03-01 09:00:00", "2024-03-04 10:00:00"));
        directory.addDeletedRevision(Revision(7, Plans, "Minutes", "2024-03-04 10:00:00", "2024-03-06 11:00:00"));
        // Old: deleted from a folder that is gone as well.
        directory.addDeletedRevision(Revision(8, GoneFolder, "Old", "2024-02-01 09:00:00", "2024-02-02 09:00:00"));
        // Notes: another Notes now lives where it was deleted from.
        directory.addDeletedRevision(Revision(9, Plans, "Notes", "2024-01-01 09:00:00", "2024-01-05 09:00:00"));
    }

    void cleanup()
    {
        m_wizard.reset();
        m_bus.stop();
    }

    void listsOneRowPerDeletedDocumentAndItsRevisionsLatestFirst()
    {
        openOnDocumentPage();
        QCOMPARE(Column(table(), 0), QStringList({"Minutes", "Notes", "Old"}));
        QCOMPARE(Column(table(), 1),
                 QStringList({"2024-03-06 12:00:00", "2024-01-05 10:00:00", "2024-02-02 10:00:00"}));
        QVERIFY(!m_wizard->button(QWizard::NextButton)->isEnabled());
        clickName(QStringLiteral("Minutes"));
        QCOMPARE(Texts(revisions()), QStringList({"2024-03-06 12:00:00", "2024-03-04 11:00:00"}));
        QVERIFY(revisions()->item(0)->isSelected());
        QVERIFY(m_wizard->button(QWizard::NextButton)->isEnabled());
    }

    void originalFolderPathRestoresTheChosenRevisionThere()
    {
        openOnDocumentPage();
        clickName(QStringLiteral("Minutes"));
        revisions()->setCurrentRow(1);
        m_wizard->next();
        QCOMPARE(m_wizard->currentId(), int(RestoreDocumentWizard::ConfirmationPage));
        QCOMPARE(confirmation(), QStringLiteral("Click Finish to restore 'Minutes' (revision 2024-03-01 10:00:00) in "
                                                "the 'Plans' folder."));
        QVERIFY(m_wizard->validateCurrentPage());
        QCOMPARE(m_wizard->getDocument().sys_period().to(), std::string("2024-03-04 10:00:00"));
        QCOMPARE(m_wizard->getDocumentFolderId(), Plans);
        QCOMPARE(m_wizard->getDocumentFolderName(), QStringLiteral("Plans"));
    }

    void goneFolderLeadsToTheFolderPage()
    {
        openOnDocumentPage();
        clickName(QStringLiteral("Old"));
        QVERIFY(!original()->isEnabled());
        QVERIFY(manual()->isChecked());
        QVERIFY(m_wizard->button(QWizard::NextButton)->isEnabled());
        m_wizard->next();
        QCOMPARE(m_wizard->currentId(), int(RestoreDocumentWizard::SelectFolderPage));
        // Right after entering, Next restores into the home folder.
        QVERIFY(m_wizard->button(QWizard::NextButton)->isEnabled());
        m_wizard->next();
        QCOMPARE(m_wizard->currentId(), int(RestoreDocumentWizard::ConfirmationPage));
        QCOMPARE(confirmation(), QStringLiteral("Click Finish to restore 'Old' (revision 2024-02-01 10:00:00) in the "
                                                "'Home Folder' folder."));
        QCOMPARE(m_wizard->getDocumentFolderId(), Home);
    }

    void targetChosenByHand()
    {
        openOnDocumentPage();
        clickName(QStringLiteral("Minutes"));
        manual()->setChecked(true);
        m_wizard->next();
        QCOMPARE(m_wizard->currentId(), int(RestoreDocumentWizard::SelectFolderPage));
        auto *folders = m_wizard->page(RestoreDocumentWizard::SelectFolderPage)->findChild<QListWidget *>();
        QCOMPARE(Texts(folders), QStringList({"Plans"}));
        auto *folderPage = qobject_cast<RestoreDocumentSelectFolderWizardPage *>(
            m_wizard->page(RestoreDocumentWizard::SelectFolderPage));
        QVERIFY(folderPage);
        folderPage->folderItemDoubleClicked(folders->item(0));
        QCOMPARE(Texts(folders), QStringList({"Drafts"}));
        // After navigating, a folder must be selected.
        QVERIFY(!m_wizard->button(QWizard::NextButton)->isEnabled());
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(folders->item(0)).center());
        QVERIFY(m_wizard->button(QWizard::NextButton)->isEnabled());
        m_wizard->next();
        QCOMPARE(m_wizard->currentId(), int(RestoreDocumentWizard::ConfirmationPage));
        QCOMPARE(m_wizard->getDocumentFolderId(), Drafts);
        QVERIFY(confirmation().endsWith(QStringLiteral("in the 'Drafts' folder.")));
    }

    void nameConflictKeepsThePage_data()
    {
        QTest::addColumn<bool>("byHand");
        QTest::newRow("original folder") << false;
        QTest::newRow("folder chosen by hand") << true;
    }

    void nameConflictKeepsThePage()
    {
        QFETCH(bool, byHand);
        openOnDocumentPage();
        clickName(QStringLiteral("Notes"));
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        int stays = RestoreDocumentWizard::SelectDocumentPage;
        if (byHand) {
            manual()->setChecked(true);
            m_wizard->next();
            stays = RestoreDocumentWizard::SelectFolderPage;
            auto *folders = m_wizard->page(stays)->findChild<QListWidget *>();
            folders->setCurrentRow(0); // Plans, where another Notes lives
        }
        m_wizard->next();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Restore Document"));
        QCOMPARE(answerer.lastText(), QStringLiteral("The selected folder already contains a document with the same "
                                                     "name as the name of the document to be restored."));
        QCOMPARE(m_wizard->currentId(), stays);
    }

    void completenessCheckAsksTheServerNothing()
    {
        openOnDocumentPage();
        clickName(QStringLiteral("Old"));
        server().clearRequests();
        for (int call = 0; call < 5; ++call)
            QVERIFY(documentPage()->isComplete());
        QVERIFY(server().requests().empty());
    }
};

QTEST_MAIN(TestRestoreDocumentWizard)
#include "tst_restoredocumentwizard.moc"
