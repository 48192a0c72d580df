#include "clienttranslation.h"
#include "createdocumentdialog.h"
#include "createfolderdialog.h"
#include "testenvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
enum class Kind
{
    Folder,
    Document,
};

std::unique_ptr<AbstractCreateDialog> Make(Kind kind)
{
    if (kind == Kind::Folder)
        return std::make_unique<CreateFolderDialog>();
    return std::make_unique<CreateDocumentDialog>();
}

QString Name(const AbstractCreateDialog &dialog, Kind kind)
{
    return kind == Kind::Folder ? static_cast<const CreateFolderDialog &>(dialog).getFolderName()
                                : static_cast<const CreateDocumentDialog &>(dialog).getDocumentName();
}

QString Description(const AbstractCreateDialog &dialog, Kind kind)
{
    return kind == Kind::Folder ? static_cast<const CreateFolderDialog &>(dialog).getFolderDescription()
                                : static_cast<const CreateDocumentDialog &>(dialog).getDocumentDescription();
}

QLineEdit *Field(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QLatin1String(name));
}
}

Q_DECLARE_METATYPE(Kind)

// The two dialogs that name a new folder or document: what they show, what
// they hand back, and how they end.
class TestCreateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void texts_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("folder") << Kind::Folder << "Create Folder"
                                << QStringList({"Folder name:", "Folder description:"});
        QTest::newRow("document") << Kind::Document << "Create Document"
                                  << QStringList({"Document name:", "Document description:"});
    }

    void texts()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, title);
        QFETCH(QStringList, labels);

        const std::unique_ptr<AbstractCreateDialog> dialog = Make(kind);

        QCOMPARE(dialog->windowTitle(), title);
        QVERIFY(!dialog->windowIcon().isNull());
        QCOMPARE(dialog->minimumWidth(), 480);
        QStringList shown;
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            shown.append(label->text());
        QCOMPARE(shown, labels);
        // Each label leads to its field.
        QCOMPARE(dialog->findChildren<QLabel *>().at(0)->buddy(), Field(*dialog, "nameLineEdit"));
        QCOMPARE(dialog->findChildren<QLabel *>().at(1)->buddy(), Field(*dialog, "descriptionLineEdit"));
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("okPushButton"))->text(), QStringLiteral("OK"));
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("cancelPushButton"))->text(),
                 QStringLiteral("Cancel"));
        QVERIFY(Field(*dialog, "nameLineEdit")->text().isEmpty());
        QVERIFY(Field(*dialog, "descriptionLineEdit")->text().isEmpty());
    }

    void textsComeBackTrimmed_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedDescription");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        for (const Kind kind : {Kind::Folder, Kind::Document}) {
            const char *prefix = kind == Kind::Folder ? "folder" : "document";
            QTest::addRow("%s: blanks around, kept inside", prefix) << kind << "  Annual  report \t"
                                                                    << " for the board "
                                                                    << "Annual  report"
                                                                    << "for the board";
            QTest::addRow("%s: blanks only", prefix) << kind << "    "
                                                     << "\t"
                                                     << ""
                                                     << "";
            const QString longName(300, QLatin1Char('n'));
            QTest::addRow("%s: long name not cut", prefix) << kind << longName << "" << longName << "";
        }
    }

    void textsComeBackTrimmed()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, typedName);
        QFETCH(QString, typedDescription);
        QFETCH(QString, name);
        QFETCH(QString, description);
        const std::unique_ptr<AbstractCreateDialog> dialog = Make(kind);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        QTest::keyClicks(Field(*dialog, "nameLineEdit"), typedName);
        QTest::keyClicks(Field(*dialog, "descriptionLineEdit"), typedDescription);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okPushButton")), Qt::LeftButton);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(Name(*dialog, kind), name);
        QCOMPARE(Description(*dialog, kind), description);
    }

    void endsRejected_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("how");
        for (const Kind kind : {Kind::Folder, Kind::Document}) {
            const char *prefix = kind == Kind::Folder ? "folder" : "document";
            QTest::addRow("%s: Cancel", prefix) << kind << "cancel";
            QTest::addRow("%s: Escape", prefix) << kind << "escape";
            QTest::addRow("%s: close button", prefix) << kind << "close";
        }
    }

    void endsRejected()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, how);
        const std::unique_ptr<AbstractCreateDialog> dialog = Make(kind);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QTest::keyClicks(Field(*dialog, "nameLineEdit"), QStringLiteral("Plans"));
        dialog->setResult(-1);

        if (how == QLatin1String("cancel"))
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cancelPushButton")), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->close();

        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(dialog->isHidden());
    }
};

QTEST_MAIN(TestCreateDialogs)
#include "tst_createdialogs.moc"
