#include "abstractsearcheditor.h"
#include "documentsearcheditor.h"
#include "documentsearchtableview.h"
#include "messagesearcheditor.h"
#include "messagesearchtableview.h"
#include "scopedclock.h"
#include "searchtestsupport.h"
#include "testenvironment.h"

#include <QBrush>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using namespace searchtest;

namespace
{
const QStringList TextComparisons = {"Equal", "Not equal", "Like", "Not like"};
const QStringList DateComparisons = {"Equal",        "Not equal",          "Less than",
                                     "Greater than", "Less than or equal", "Greater than or equal"};
const QStringList DocumentSubjects = {"Document name", "Document content", "Document creation date",
                                      "Document modification date"};
const QStringList MessageSubjects = {"Message from", "Message subject", "Message content", "Message creation date",
                                     "Message modification date"};

// The day the clock is pinned to: the date fields start on it and go no later.
const QDate Today(2024, 6, 14);

std::unique_ptr<SearchTableView> MakeTable(bool messages)
{
    if (messages)
        return std::make_unique<MessageSearchTableView>(nullptr);
    return std::make_unique<DocumentSearchTableView>(nullptr);
}

QVariantList RowValues(const SearchTableView &table, int row)
{
    const QModelIndex cell = table.getStandardItemModel()->index(row, 0);
    return {cell.data(SearchTableView::SubjectRole), cell.data(SearchTableView::PredicateRole),
            cell.data(SearchTableView::TextRole), cell.data(SearchTableView::DateRole)};
}
}

// The criteria table, its rows and their editors, for documents and messages.
class TestSearchTable : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    testsupport::ScopedClock m_clock{testsupport::UtcInstant(2024, 6, 14, 12)};

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC0");
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void freshTableHasOneStartingRow_data()
    {
        QTest::addColumn<bool>("messages");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("documents") << false << DocumentSubjects;
        QTest::newRow("messages") << true << MessageSubjects;
    }

    void freshTableHasOneStartingRow()
    {
        QFETCH(bool, messages);
        QFETCH(QStringList, subjects);
        const auto table = MakeTable(messages);
        QCOMPARE(table->getStandardItemModel()->rowCount(), 1);
        QCOMPARE(table->getStandardItemModel()->columnCount(), 1);
        QVERIFY(table->getStandardItemModel()->parent() == table.get());

        AbstractSearchEditor *editor = Editor(*table, 0);
        QVERIFY(editor);
        QCOMPARE(Items(*SubjectBox(*editor)), subjects);
        QCOMPARE(SubjectBox(*editor)->currentIndex(), 0);
        QCOMPARE(Items(*PredicateBox(*editor)), TextComparisons);
        QCOMPARE(PredicateBox(*editor)->currentIndex(), 0);
        QVERIFY(TextField(*editor)->text().isEmpty());
        QVERIFY(TextField(*editor)->isVisible());
        QVERIFY(!DateField(*editor)->isVisible());
        QCOMPARE(DateField(*editor)->date(), Today);
        QCOMPARE(DateField(*editor)->maximumDate(), Today);
        QCOMPARE(DateField(*editor)->displayFormat(), QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(editor->getMode(), 0);
        // Nothing is in the row until its editor commits.
        for (const QVariant &value : RowValues(*table, 0))
            QVERIFY(!value.isValid());

        // The column is as wide as the editor wants to be.
        QVERIFY(table->columnWidth(0) >= editor->sizeHint().width());
        QVERIFY(editor->sizeHint().width()
                > editor->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('X'))) + 24);
    }

    void headersAddAndDeleteRows()
    {
        DocumentSearchTableView table(nullptr);
        table.resize(700, 300);
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QStandardItemModel *model = table.getStandardItemModel();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("+"));
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::green));
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Add search criteria"));

        ClickHorizontalHeader(table);
        ClickHorizontalHeader(table);
        QCOMPARE(model->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(model->headerData(row, Qt::Vertical).toString(), QStringLiteral("-"));
            QCOMPARE(model->headerData(row, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
            QCOMPARE(model->headerData(row, Qt::Vertical, Qt::ToolTipRole).toString(),
                     QStringLiteral("Delete search criteria"));
            QVERIFY(Editor(table, row));
            SetTextCriterion(table, row, 0, row, QStringLiteral("row %1").arg(row));
        }
        QCOMPARE(table.selectionMode(), QAbstractItemView::SingleSelection);

        // "-" on the middle row removes it and its editor; the last moves up.
        QPointer<AbstractSearchEditor> middle = Editor(table, 1);
        ClickVerticalHeader(table, 1);
        QCOMPARE(model->rowCount(), 2);
        QTRY_VERIFY(middle.isNull());
        QCOMPARE(RowValues(table, 1).at(2).toString(), QStringLiteral("row 2"));
        QCOMPARE(TextField(*Editor(table, 1))->text(), QStringLiteral("row 2"));

        // No lower limit; "+" still adds afterwards.
        ClickVerticalHeader(table, 0);
        ClickVerticalHeader(table, 0);
        QCOMPARE(model->rowCount(), 0);
        ClickHorizontalHeader(table);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(SubjectBox(*Editor(table, 0))->currentIndex(), 0);
    }

    void subjectSwitchesFieldAndPredicates_data()
    {
        QTest::addColumn<bool>("messages");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QStringList>("predicates");
        QTest::addColumn<bool>("dateField");
        QTest::newRow("document content") << false << 1 << QStringList{"Contains"} << false;
        QTest::newRow("document creation date") << false << 2 << DateComparisons << true;
        QTest::newRow("document modification date") << false << 3 << DateComparisons << true;
        QTest::newRow("message subject") << true << 1 << TextComparisons << false;
        QTest::newRow("message content") << true << 2 << QStringList{"Contains"} << false;
        QTest::newRow("message creation date") << true << 3 << DateComparisons << true;
        QTest::newRow("message modification date") << true << 4 << DateComparisons << true;
    }

    void subjectSwitchesFieldAndPredicates()
    {
        QFETCH(bool, messages);
        QFETCH(int, subject);
        QFETCH(QStringList, predicates);
        QFETCH(bool, dateField);
        const auto table = MakeTable(messages);
        AbstractSearchEditor *editor = Editor(*table, 0);
        SetTextCriterion(*table, 0, 0, 3, QStringLiteral("kept"));

        SubjectBox(*editor)->setCurrentIndex(subject);
        QCOMPARE(editor->getMode(), subject);
        QCOMPARE(Items(*PredicateBox(*editor)), predicates);
        QCOMPARE(PredicateBox(*editor)->currentIndex(), 0);
        QCOMPARE(TextField(*editor)->isVisible(), !dateField);
        QCOMPARE(DateField(*editor)->isVisible(), dateField);
        // The switch commits the whole editor: the text stays with the row.
        QCOMPARE(RowValues(*table, 0), (QVariantList{subject, 0, QStringLiteral("kept"), Today}));

        // Back to the first subject: the text comparisons again, the date
        // kept in the row.
        DateField(*editor)->setDate(Today.addDays(-3));
        SubjectBox(*editor)->setCurrentIndex(0);
        QCOMPARE(Items(*PredicateBox(*editor)), TextComparisons);
        QCOMPARE(PredicateBox(*editor)->currentIndex(), 0);
        QVERIFY(TextField(*editor)->isVisible());
        QVERIFY(!DateField(*editor)->isVisible());
        QCOMPARE(RowValues(*table, 0), (QVariantList{0, 0, QStringLiteral("kept"), Today.addDays(-3)}));
    }

    void textIsStoredTrimmed()
    {
        DocumentSearchTableView table(nullptr);
        AbstractSearchEditor *editor = Editor(table, 0);
        QTest::keyClicks(TextField(*editor), QStringLiteral("  report  "));
        QTest::keyClick(TextField(*editor), Qt::Key_Return);
        QCOMPARE(RowValues(table, 0), (QVariantList{0, 0, QStringLiteral("report"), Today}));
        // The view refills the editor from the row.
        QCOMPARE(TextField(*editor)->text(), QStringLiteral("report"));
    }

    void modelValuesReachTheEditor()
    {
        // A row's values go into its editor subject first, so the predicate is
        // read against the subject's own list.
        MessageSearchTableView table(nullptr);
        QStandardItemModel *model = table.getStandardItemModel();
        const QModelIndex cell = model->index(0, 0);
        model->setData(cell, 4, SearchTableView::SubjectRole);
        model->setData(cell, 5, SearchTableView::PredicateRole);
        model->setData(cell, QStringLiteral("  x  "), SearchTableView::TextRole);
        model->setData(cell, QDate(2023, 1, 2), SearchTableView::DateRole);
        AbstractSearchEditor *editor = Editor(table, 0);
        QCOMPARE(editor->getSubject(), 4);
        QCOMPARE(editor->getPredicate(), 5);
        QCOMPARE(editor->getText(), QStringLiteral("x"));
        QCOMPARE(editor->getDate(), QDate(2023, 1, 2));
        QCOMPARE(RowValues(table, 0), (QVariantList{4, 5, QStringLiteral("x"), QDate(2023, 1, 2)}));
    }

    void outOfRangeIndicesAreIgnored()
    {
        DocumentSearchEditor document(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "DocumentSearchEditor::setSubject(4): invalid index");
        document.setSubject(4);
        QCOMPARE(document.getSubject(), 0);
        document.setSubject(1);
        document.setPredicate(1); // "Contains" is the only one: ignored without a word
        QCOMPARE(document.getPredicate(), 0);
        document.setSubject(0);
        document.setPredicate(4);
        QCOMPARE(document.getPredicate(), 0);
        QTest::ignoreMessage(QtWarningMsg, "AbstractSearchEditor::setDate(): invalid date");
        document.setDate(QDate());
        QCOMPARE(document.getDate(), Today);

        MessageSearchEditor message(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "MessageSearchEditor::setSubject(5): invalid index");
        message.setSubject(5);
        QCOMPARE(message.getSubject(), 0);
        message.setSubject(2);
        message.setPredicate(3);
        QCOMPARE(message.getPredicate(), 0);

        // With no subject chosen there is no predicate list to pick from.
        QTest::ignoreMessage(QtWarningMsg, "Mode::setMode: unregistered mode -1!");
        SubjectBox(document)->setCurrentIndex(-1);
        QTest::ignoreMessage(QtWarningMsg, "AbstractSearchEditor::setPredicate(1): invalid index");
        document.setPredicate(1);
        QTest::ignoreMessage(QtWarningMsg, "Mode::setMode: unregistered mode -1!");
        SubjectBox(message)->setCurrentIndex(-1);
        QTest::ignoreMessage(QtWarningMsg, "MessageSearchEditor::setPredicate(1): invalid index");
        message.setPredicate(1);
    }

    void subjectTextsAreTranslatedOnce()
    {
        {
            DocumentSearchEditor first(nullptr);
        }
        {
            MessageSearchEditor first(nullptr);
        }
        // Later editors reuse the texts of the first, whatever the language now.
        QCoreApplication::removeTranslator(&m_translator);
        DocumentSearchEditor document(nullptr);
        MessageSearchEditor message(nullptr);
        QCoreApplication::installTranslator(&m_translator);
        QCOMPARE(Items(*SubjectBox(document)), DocumentSubjects);
        QCOMPARE(Items(*SubjectBox(message)), MessageSubjects);
        QCOMPARE(Items(*PredicateBox(document)), (QStringList{"Equal", "NotEqual", "Like", "NotLike"}));
    }

    void keysReachTheRowAndTheDialog()
    {
        // The editors are always open: Tab moves within a row and Escape
        // closes the dialog, as from any other field.
        QDialog dialog;
        auto *table = new DocumentSearchTableView(&dialog);
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(table);
        dialog.resize(700, 300);
        QVERIFY(ShowActive(dialog));
        AbstractSearchEditor *editor = Editor(*table, 0);
        SubjectBox(*editor)->setFocus();
        QTRY_VERIFY(SubjectBox(*editor)->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(PredicateBox(*editor)->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(TextField(*editor)->hasFocus());
        QTest::keyClicks(TextField(*editor), QStringLiteral("draft"));
        QTest::keyClick(TextField(*editor), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.isHidden());
    }
};

QTEST_MAIN(TestSearchTable)
#include "tst_searchtable.moc"
