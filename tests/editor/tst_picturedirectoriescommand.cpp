#include "consoletestsupport.h"
#include "consoleview.h"
#include "dialoganswerer.h"
#include "editortestsupport.h"
#include "filechooser.h"
#include "picturedirectoriesdialog.h"
#include "settings.h"
#include "testenvironment.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Pictures = QStringLiteral("pictures");
constexpr int LoggedOn = 1; // the console's mode once a user has logged on

void Click(QWidget *dialog, const char *text)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == QLatin1String(text)) {
            button->click();
            return;
        }
    }
    QFAIL(text);
}

void SelectText(QWidget *dialog, const QString &text)
{
    QListWidget *list = qobject_cast<PictureDirectoriesDialog *>(dialog)->getDirectoryListWidget();
    list->clearSelection();
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text)
            list->item(row)->setSelected(true);
    }
}
}

// The console's picture-directories command with the real dialog: what the
// user adds and removes is stored on OK and dropped on Cancel, and the
// "pictures" search path is rebuilt from the store either way.
class TestPictureDirectoriesCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_home;
    QString m_added;

    void run(const testsupport::DialogAnswerer::Action &answer)
    {
        ConsoleView console;
        console.setMode(LoggedOn);
        testsupport::DialogAnswerer answerer;
        answerer.expect(answer);
        consoletest::FindAction(&console, QStringLiteral("Picture Directories..."))->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("PictureDirectoriesDialog"));
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Picture Directories"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(consoletest::SetUpLikeTheProgram());
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("home/Pictures")));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("added")));
        qputenv("HOME", m_dir.filePath(QStringLiteral("home")).toLocal8Bit());
        m_home = Settings().getHomePictureDirectory();
        QVERIFY(!m_home.isEmpty());
        m_added = m_dir.filePath(QStringLiteral("added"));
    }

    void init()
    {
        Settings().setPictureDirectories({QStringLiteral("/srv/a"), QStringLiteral("/srv/b")});
        QDir::setSearchPaths(Pictures, {});
    }

    void addedAndRemovedEntriesAreStoredOnOk()
    {
        editortest::FileAnswers files({m_added, m_home});
        run([this](QWidget *dialog) {
            Click(dialog, "Add...");
            Click(dialog, "Add..."); // the home directory is listed already
            SelectText(dialog, QStringLiteral("/srv/a"));
            Click(dialog, "Remove");
            Click(dialog, "OK");
        });
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/b", m_added}));
        QCOMPARE(QDir::searchPaths(Pictures), QStringList({m_home, "/srv/b", m_added}));
    }

    void removingEveryEntryStoresAnEmptyList()
    {
        run([](QWidget *dialog) {
            for (const QString &entry : {QStringLiteral("/srv/a"), QStringLiteral("/srv/b")}) {
                SelectText(dialog, entry);
                Click(dialog, "Remove");
            }
            Click(dialog, "OK");
        });
        QVERIFY(Settings().getPictureDirectories().isEmpty());
        QCOMPARE(QDir::searchPaths(Pictures), QStringList{m_home});
    }

    // The user types a path into the directory dialog's file-name field and
    // presses Choose; Qt's dialog then reports the folder it shows beside the
    // typed one.
    void aTypedDirectoryIsAdded()
    {
        QString shownFolder;
        const utils::DirectoryDialogRunner previous =
            utils::SetDirectoryDialogRunner([this, &shownFolder](QFileDialog &dialog) {
                auto *fileNameEdit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (fileNameEdit == nullptr)
                    return std::optional<QStringList>();
                fileNameEdit->setText(m_added);
                shownFolder = dialog.directory().absolutePath();
                return std::optional<QStringList>({shownFolder, m_added});
            });
        const auto restore = qScopeGuard([&previous] { utils::SetDirectoryDialogRunner(previous); });
        run([](QWidget *dialog) {
            Click(dialog, "Add...");
            Click(dialog, "OK");
        });
        QCOMPARE(shownFolder, QDir::currentPath());
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/a", "/srv/b", m_added}));
    }

    void cancelKeepsTheStoredListButRebuildsTheSearchPath()
    {
        editortest::FileAnswers files({m_added});
        run([](QWidget *dialog) {
            Click(dialog, "Add...");
            SelectText(dialog, QStringLiteral("/srv/b"));
            Click(dialog, "Remove");
            Click(dialog, "Cancel");
        });
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/a", "/srv/b"}));
        QCOMPARE(QDir::searchPaths(Pictures), QStringList({m_home, "/srv/a", "/srv/b"}));
    }
};

QTEST_MAIN(TestPictureDirectoriesCommand)
#include "tst_picturedirectoriescommand.moc"
