#include "columnwidthdelegate.h"
#include "dialoganswerer.h"
#include "editortestsupport.h"
#include "inserttabledialog.h"
#include "picturedirectoriesdialog.h"
#include "testenvironment.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QPushButton *Button(const QWidget *dialog, const QString &text)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void Fill(PictureDirectoriesDialog &dialog, const QString &home, const QStringList &entries)
{
    QListWidget *list = dialog.getDirectoryListWidget();
    if (!home.isEmpty())
        (new QListWidgetItem(home, list))->setFlags(Qt::NoItemFlags);
    for (const QString &entry : entries)
        new QListWidgetItem(entry, list);
}

void SelectRow(PictureDirectoriesDialog &dialog, int row)
{
    QListWidget *list = dialog.getDirectoryListWidget();
    list->clearSelection();
    if (row >= 0)
        list->item(row)->setSelected(true);
}

void AnswerRename(testsupport::DialogAnswerer &answerer, const QString &text, bool accept = true)
{
    answerer.expect([text, accept](QWidget *widget) {
        auto *input = qobject_cast<QInputDialog *>(widget);
        if (!input) {
            qobject_cast<QDialog *>(widget)->reject();
            return;
        }
        input->setTextValue(text);
        if (accept)
            input->accept();
        else
            input->reject();
    });
}
}

// The insert-table dialog and its width editor, and the picture-directories
// dialog's add, rename and remove rules.
class TestEditorDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_home;
    QString m_alpha;
    QString m_beta;

private slots:
    void initTestCase()
    {
        QVERIFY(editortest::InstallTranslation());
        QVERIFY(m_dir.isValid());
        m_home = m_dir.filePath(QStringLiteral("home/Pictures"));
        m_alpha = m_dir.filePath(QStringLiteral("alpha"));
        m_beta = m_dir.filePath(QStringLiteral("beta"));
        for (const QString &path : {m_home, m_alpha, m_beta})
            QVERIFY(QDir().mkpath(path));
    }

    void tableDialogStartsWithOneColumn()
    {
        InsertTableDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Insert Table"));
        QComboBox *alignment = dialog.getAlignmentComboBox();
        QCOMPARE(alignment->count(), 4);
        QCOMPARE(alignment->itemText(0), QStringLiteral("Left"));
        QCOMPARE(alignment->itemText(2), QStringLiteral("Centered"));
        QCOMPARE(alignment->itemText(3), QStringLiteral("Justified"));
        QCOMPARE(alignment->currentIndex(), 0);
        for (QSpinBox *box : {dialog.getCellPaddingSpinBox(), dialog.getCellSpacingSpinBox()}) {
            QCOMPARE(box->value(), 1);
            QCOMPARE(box->minimum(), 0);
            QCOMPARE(box->maximum(), 99);
        }
        for (QSpinBox *box : {dialog.getRowsSpinBox(), dialog.getColumnsSpinBox()}) {
            QCOMPARE(box->value(), 1);
            QCOMPARE(box->minimum(), 1);
            QCOMPARE(box->maximum(), 99);
        }
        QCOMPARE(Texts(dialog.getColumnsListWidget()), QStringList{"100"});
        QVERIFY(dialog.getColumnsListWidget()->item(0)->flags() & Qt::ItemIsEditable);
        QVERIFY(qobject_cast<ColumnWidthDelegate *>(dialog.getColumnsListWidget()->itemDelegate()));
        QVERIFY(Button(&dialog, QStringLiteral("OK")));
        QVERIFY(Button(&dialog, QStringLiteral("Cancel")));
    }

    void oneWidthPerColumn()
    {
        InsertTableDialog dialog;
        QListWidget *widths = dialog.getColumnsListWidget();
        widths->item(0)->setText(QStringLiteral("250"));
        dialog.getColumnsSpinBox()->setValue(4);
        QCOMPARE(Texts(widths), QStringList({"250", "100", "100", "100"}));
        for (int row = 0; row < widths->count(); ++row)
            QVERIFY(widths->item(row)->flags() & Qt::ItemIsEditable);
        dialog.getColumnsSpinBox()->setValue(2);
        QCOMPARE(Texts(widths), QStringList({"250", "100"}));
        dialog.getColumnsSpinBox()->setValue(150); // beyond the range
        QCOMPARE(dialog.getColumnsSpinBox()->value(), 99);
        QCOMPARE(widths->count(), 99);
        dialog.getColumnsSpinBox()->setValue(0);
        QCOMPARE(Texts(widths), QStringList{"250"});
    }

    void typingAColumnCountAddsAllItsWidths()
    {
        InsertTableDialog dialog;
        QSpinBox *columns = dialog.getColumnsSpinBox();
        columns->selectAll();
        QTest::keyClicks(columns, QStringLiteral("5"));
        QCOMPARE(dialog.getColumnsListWidget()->count(), 5);
    }

    void okAndCancelEndTheDialog()
    {
        InsertTableDialog accepted;
        testsupport::DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) { Button(dialog, QStringLiteral("OK"))->click(); });
        QCOMPARE(accepted.exec(), int(QDialog::Accepted));
        InsertTableDialog rejected;
        answerer.expect([](QWidget *dialog) { Button(dialog, QStringLiteral("Cancel"))->click(); });
        QCOMPARE(rejected.exec(), int(QDialog::Rejected));
    }

    void widthEditorKeepsWidthsInRange_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("editorStarts");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("in range") << "100" << 100 << 300 << 300;
        QTest::newRow("too narrow") << "100" << 100 << 5 << 20;
        QTest::newRow("too wide") << "100" << 100 << 5000 << 1000;
        QTest::newRow("no number shown") << "wide" << 20 << 40 << 40;
    }

    void widthEditorKeepsWidthsInRange()
    {
        QFETCH(QString, shown);
        QFETCH(int, editorStarts);
        QFETCH(int, typed);
        QFETCH(int, stored);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), shown);
        ColumnWidthDelegate delegate;
        QWidget parent;
        std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
        auto *spinBox = qobject_cast<QSpinBox *>(editor.get());
        QVERIFY(spinBox);
        QCOMPARE(spinBox->minimum(), 20);
        QCOMPARE(spinBox->maximum(), 1000);
        delegate.setEditorData(spinBox, model.index(0, 0));
        QCOMPARE(spinBox->value(), editorStarts);
        spinBox->setValue(typed);
        delegate.setModelData(spinBox, &model, model.index(0, 0));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QString::number(stored));
    }

    void finishingAWidthCommitsIt()
    {
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), QStringLiteral("100"));
        ColumnWidthDelegate delegate;
        QWidget parent;
        auto *spinBox =
            qobject_cast<QSpinBox *>(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
        QList<QWidget *> committed;
        QList<QWidget *> closed;
        connect(&delegate, &QAbstractItemDelegate::commitData, this,
                [&](QWidget *editor) { committed.append(editor); });
        connect(&delegate, &QAbstractItemDelegate::closeEditor, this,
                [&](QWidget *editor, QAbstractItemDelegate::EndEditHint hint) {
                    QCOMPARE(hint, QAbstractItemDelegate::NoHint);
                    closed.append(editor);
                });
        emit spinBox->editingFinished();
        QCOMPARE(committed, QList<QWidget *>{spinBox});
        QCOMPARE(closed, QList<QWidget *>{spinBox});
    }

    void directoriesDialogAsTheUserSeesIt()
    {
        PictureDirectoriesDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Picture Directories"));
        for (const char *text : {"Add...", "Edit...", "Remove", "OK", "Cancel"})
            QVERIFY2(Button(&dialog, QString::fromLatin1(text)), text);
        QCOMPARE(dialog.getDirectoryListWidget()->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void addDirectory_data()
    {
        QTest::addColumn<QString>("chosen"); // empty: cancelled
        QTest::addColumn<bool>("added");
        QTest::newRow("new directory") << "beta" << true;
        QTest::newRow("already listed") << "alpha" << false;
        QTest::newRow("the home entry") << "home" << false;
        QTest::newRow("cancelled") << "" << false;
    }

    void addDirectory()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, added);
        const QString path = chosen == QLatin1String("home") ? m_home
                             : chosen.isEmpty()              ? QString()
                                                             : m_dir.filePath(chosen);
        PictureDirectoriesDialog dialog;
        Fill(dialog, m_home, {m_alpha});
        editortest::FileAnswers files({path});
        Button(&dialog, QStringLiteral("Add..."))->click();
        QCOMPARE(files.questions().size(), 1);
        const utils::FileQuestion &question = files.questions().at(0);
        QCOMPARE(question.kind, utils::FileQuestion::Directory);
        QCOMPARE(question.caption, QStringLiteral("Select Picture Directory"));
        QCOMPARE(question.path, QStringLiteral("."));
        QCOMPARE(question.parent, &dialog);
        const QStringList before{m_home, m_alpha};
        QCOMPARE(Texts(dialog.getDirectoryListWidget()), added ? before + QStringList{path} : before);
    }

    void editAndRemoveNeedASelection()
    {
        PictureDirectoriesDialog dialog;
        Fill(dialog, m_home, {m_alpha});
        testsupport::DialogAnswerer answerer;
        Button(&dialog, QStringLiteral("Edit..."))->click();
        Button(&dialog, QStringLiteral("Remove"))->click();
        SelectRow(dialog, 0); // the home entry cannot be selected
        QVERIFY(dialog.getDirectoryListWidget()->selectedItems().isEmpty());
        Button(&dialog, QStringLiteral("Remove"))->click();
        QTest::qWait(30);
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(Texts(dialog.getDirectoryListWidget()), QStringList({m_home, m_alpha}));

        SelectRow(dialog, 1);
        Button(&dialog, QStringLiteral("Remove"))->click();
        QCOMPARE(Texts(dialog.getDirectoryListWidget()), QStringList{m_home});
    }

    void rename_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("result"); // of [home, alpha, /srv/missing]; "=" unchanged
        QTest::addColumn<QString>("warning");    // informative text of the warning, if any

        QTest::newRow("to an existing directory") << "beta" << true << QStringList{"home", "beta", "missing"} << "";
        QTest::newRow("to the same text") << "alpha" << true << QStringList{"home", "alpha", "missing"} << "";
        QTest::newRow("to an empty text") << "" << true << QStringList{"home", "alpha", "missing"} << "";
        QTest::newRow("cancelled") << "beta" << false << QStringList{"home", "alpha", "missing"} << "";
        QTest::newRow("to a directory that does not exist")
            << "nowhere" << true << QStringList{"home", "alpha", "missing"} << "nowhere";
        QTest::newRow("to another entry's text") << "missing" << true << QStringList{"home", "missing"} << "";
        QTest::newRow("to the home entry's text") << "home" << true << QStringList{"home", "missing"} << "";
    }

    void rename()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QStringList, result);
        QFETCH(QString, warning);
        const QString missing = QStringLiteral("/srv/missing-pictures");
        auto path = [&](const QString &name) {
            if (name == QLatin1String("home"))
                return m_home;
            if (name == QLatin1String("missing"))
                return missing;
            return name.isEmpty() ? QString() : m_dir.filePath(name);
        };

        PictureDirectoriesDialog dialog;
        Fill(dialog, m_home, {m_alpha, missing});
        SelectRow(dialog, 1);
        testsupport::DialogAnswerer answerer;
        AnswerRename(answerer, path(typed), accepted);
        if (!warning.isEmpty())
            answerer.expect(QMessageBox::Ok);
        Button(&dialog, QStringLiteral("Edit..."))->click();
        QVERIFY(answerer.waitForAll());
        QTest::qWait(30); // no further message
        QCOMPARE(answerer.seen().size(), warning.isEmpty() ? 1 : 2);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Edit Directory Name"));
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Edit the name of the picture directory:"));
        if (!warning.isEmpty()) {
            QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Warning"));
            QCOMPARE(answerer.seen().at(1).text,
                     QStringLiteral("You have entered the name of a directory that does not currently exist."));
            QCOMPARE(answerer.seen().at(1).informativeText, path(warning));
        }
        QStringList expected;
        for (const QString &name : result)
            expected.append(path(name));
        QCOMPARE(Texts(dialog.getDirectoryListWidget()), expected);
    }

    void renameOffersTheEntrysText()
    {
        PictureDirectoriesDialog dialog;
        Fill(dialog, QString(), {m_alpha});
        SelectRow(dialog, 0);
        testsupport::DialogAnswerer answerer;
        QString offered;
        answerer.expect([&](QWidget *widget) {
            auto *input = qobject_cast<QInputDialog *>(widget);
            offered = input->textValue();
            input->reject();
        });
        Button(&dialog, QStringLiteral("Edit..."))->click();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(offered, m_alpha);
    }
};

QTEST_MAIN(TestEditorDialogs)
#include "tst_editordialogs.moc"
