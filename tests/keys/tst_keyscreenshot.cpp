#include "builtinzonetable.h"
#include "clienttranslation.h"
#include "createdocumentkeywizard.h"
#include "dispatchtotestserver.h"
#include "groupdirectory.h"
#include "scopedclock.h"
#include "screenshot.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectuserswidget.h"
#include "testenvironment.h"
#include "testserver.h"
#include "timezonedatabase.h"

#include <QColor>
#include <QImage>
#include <QTextEdit>
#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;

namespace
{
bool HasRed(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() < 80 && colour.blue() < 80)
                return true;
        }
    }
    return false;
}
}

// The confirmation page of the create-document-key wizard as the user sees
// it, kept as a picture in the build tree.
class TestKeyScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void confirmationPage()
    {
        QVERIFY(testsupport::InstallClientTranslation());
        QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()));
        QVERIFY(TimeZoneDatabase::instance()->setDefaultTimeZone("Europe/Paris"));
        GroupDirectory::logOn();
        testsupport::TestServer server;
        QVERIFY(testsupport::StartAndDispatchTo(server));
        GroupDirectory directory(server);
        directory.install();
        testsupport::ScopedClock clock(testsupport::UtcInstant(2027, 1, 4, 12));

        CreateDocumentKeyWizard wizard(31, QStringLiteral("Budget 2027"), nullptr);
        SelectUsersWidget *picker = wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget();
        picker->addUser(GroupDirectory::User(7, "Cy", "", "Dee"));
        picker->addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        // A key without permissions: the summary warns in red.
        wizard.setField(QStringLiteral("permissionViewDocumentContents"), false);
        wizard.setField(QStringLiteral("permissionSearchDocumentContents"), false);
        wizard.setField(QStringLiteral("restrictedHours"), true);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        while (wizard.currentId() < 11)
            wizard.next();
        QCOMPARE(wizard.currentId(), 11);
        QVERIFY(wizard.currentPage()->findChild<QTextEdit *>()->toPlainText().contains(
            QLatin1String("A document key with these selections will be created")));

        const testsupport::Screenshot shot(&wizard, QStringLiteral("create-document-key-confirmation"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));

        QVERIFY(shot.image().width() >= 800);
        QVERIFY(shot.image().height() >= 600);
        QVERIFY(shot.colours() >= 32);
        QVERIFY(HasRed(shot.image()));
    }
};

QTEST_MAIN(TestKeyScreenshot)
#include "tst_keyscreenshot.moc"
