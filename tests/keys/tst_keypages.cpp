#include "builtinzonetable.h"
#include "clienttranslation.h"
#include "dialoganswerer.h"
#include "keypad.h"
#include "scopedclock.h"
#include "selectactivedayswizardpage.h"
#include "selectactivehourswizardpage.h"
#include "selectactivemonthswizardpage.h"
#include "selectactivestatuswizardpage.h"
#include "selectdocumentkeypermissionswizardpage.h"
#include "selectexpirationdatewizardpage.h"
#include "selectfolderkeypermissionswizardpage.h"
#include "selectpasscodewizardpage.h"
#include "selectsessiondurationwizardpage.h"
#include "testenvironment.h"
#include "timezonedatabase.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStateMachine>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <QWizard>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::DialogAnswerer;
using testsupport::ScopedClock;
using testsupport::UtcInstant;

namespace
{
const QStringList Months{"january", "february", "march",     "april",   "may",      "june",
                         "july",    "august",   "september", "october", "november", "december"};
const QStringList Days{"monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};

template <class Control>
Control *Find(const QObject *parent, const char *name)
{
    return parent->findChild<Control *>(QLatin1String(name));
}

bool ShowsLogo(const QWizardPage &page, const char *path)
{
    return page.pixmap(QWizard::LogoPixmap).toImage() == QPixmap(QLatin1String(path)).toImage();
}

QString Flags(const QWizard &wizard, const QStringList &fields)
{
    QString flags;
    for (const QString &name : fields)
        flags += wizard.field(name).toBool() ? QLatin1Char('1') : QLatin1Char('0');
    return flags;
}

// A page that only holds the revision choice the permissions page reads.
class RevisionChoicePage : public QWizardPage
{
public:
    RevisionChoicePage()
        : box(new QCheckBox(this))
    {
        box->setChecked(true);
        registerField(QStringLiteral("currentRevision"), box);
    }
    QCheckBox *box;
};

// The texts of the table's rows in one column, as the filter shows them.
QStringList Column(const QTableView *table, int column)
{
    QStringList texts;
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

QString Cell(const QTableView *table, const QString &region, int column)
{
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == region)
            return model->index(row, column).data(column == 2 ? Qt::ToolTipRole : Qt::DisplayRole).toString();
    }
    return QStringLiteral("(no row)");
}

// The passcode page between two others, shown, so that Back and Next run
// the page's own clean-up and validation.
struct PasscodeWizard
{
    QWizard wizard;
    QWizardPage *before = new QWizardPage;
    SelectPasscodeWizardPage *page = new SelectPasscodeWizardPage(&wizard);
    QWizardPage *after = new QWizardPage;

    PasscodeWizard()
    {
        wizard.addPage(before);
        wizard.addPage(page);
        wizard.addPage(after);
        wizard.show();
        wizard.next();
    }
    // The machine starts once control is back in the event loop.
    bool running() const
    {
        const auto *machine = page->findChild<QStateMachine *>();
        return machine != nullptr && machine->isRunning();
    }
    QLabel *prompt() const { return Find<QLabel>(page, "promptLabel"); }
    QLineEdit *display() const { return Find<QLineEdit>(page, "display"); }
    QString promptText() const { return prompt()->isVisibleTo(page) ? prompt()->text() : QString(); }
    bool keypadShown() const { return testsupport::KeypadKey(page, 0, 0)->isVisibleTo(page); }
    // On the indicator: a wide button takes no click beyond its text.
    void press(const char *name) const
    {
        auto *radio = Find<QRadioButton>(page, name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
    }
    void type(const QString &keys) const { testsupport::TypeOnKeypad(page, keys); }
};

const QString EnterPasscode = QStringLiteral("Please enter a passcode.");
const QString ReenterPasscode = QStringLiteral("Please re-enter the passcode.");
const QString PasscodeEntered =
    QStringLiteral("A passcode has been successfully validated and associated with the key.");
const QString EmptyWarning = QStringLiteral("A passcode cannot be empty.");
const QString MismatchWarning = QStringLiteral("The passcodes you entered do not match.");
}

// The pages on which a key's rules are chosen: their defaults, how their
// controls hang together, and what their fields hand to the wizards.
class TestKeyPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void activeStatus()
    {
        QWizard wizard;
        auto *page = new SelectActiveStatusWizardPage(&wizard);
        wizard.addPage(page);
        QVERIFY(wizard.field(QStringLiteral("active")).toBool());
        QVERIFY(ShowsLogo(*page, ":icons/32x32/key_play.png"));
        Find<QCheckBox>(page, "activeStatusCheckBox")->setChecked(false);
        QVERIFY(!wizard.field(QStringLiteral("active")).toBool());
        QVERIFY(ShowsLogo(*page, ":icons/32x32/key_stop.png"));
    }

    void monthsAndDaysFollowTheirGroup()
    {
        QWizard wizard;
        auto *months = new SelectActiveMonthsWizardPage(&wizard);
        auto *days = new SelectActiveDaysWizardPage(&wizard);
        wizard.addPage(months);
        wizard.addPage(days);
        QCOMPARE(Flags(wizard, Months), QStringLiteral("111111111111"));
        QCOMPARE(Flags(wizard, Days), QStringLiteral("1111111"));
        QCOMPARE(Find<QCheckBox>(months, "januaryCheckBox")->text(), QStringLiteral("January"));

        wizard.setField(QStringLiteral("march"), false);
        QCOMPARE(Flags(wizard, Months), QStringLiteral("110111111111"));
        Find<QGroupBox>(months, "groupBox")->setChecked(false);
        QCOMPARE(Flags(wizard, Months), QStringLiteral("000000000000"));
        QVERIFY(!Find<QCheckBox>(months, "aprilCheckBox")->isEnabled());
        // Checking the group again ticks every box, whatever was chosen before.
        Find<QGroupBox>(months, "groupBox")->setChecked(true);
        QCOMPARE(Flags(wizard, Months), QStringLiteral("111111111111"));

        Find<QGroupBox>(days, "groupBox")->setChecked(false);
        QCOMPARE(Flags(wizard, Days), QStringLiteral("0000000"));
        Find<QGroupBox>(days, "groupBox")->setChecked(true);
        wizard.setField(QStringLiteral("sunday"), false);
        QCOMPARE(Flags(wizard, Days), QStringLiteral("1111110"));
    }

    void permissionsOfAnOlderRevision()
    {
        const QStringList fields{"permissionViewDocumentContents",
                                 "permissionUpdateDocument",
                                 "permissionCopyDocumentContentsFromClipboard",
                                 "permissionCopyDocumentContentsToClipboard",
                                 "permissionExportDocumentContentsToTextFile",
                                 "permissionExportDocumentContentsToPdfFile",
                                 "permissionPrintDocumentContents",
                                 "permissionSearchDocumentContents"};
        QWizard wizard;
        auto *revision = new RevisionChoicePage;
        auto *permissions = new SelectDocumentKeyPermissionsWizardPage(&wizard);
        auto *folder = new SelectFolderKeyPermissionsWizardPage(&wizard);
        wizard.addPage(revision);
        wizard.addPage(permissions);
        wizard.addPage(folder);
        wizard.show();
        QCOMPARE(Flags(wizard, fields), QStringLiteral("10000001"));
        QCOMPARE(Flags(wizard, {"permissionViewFolderContents", "permissionSearchFolderContents"}),
                 QStringLiteral("11"));
        QCOMPARE(Find<QCheckBox>(permissions, "permissionPrintDocumentContentsCheckBox")->text(),
                 QStringLiteral("Allow the contents of the document to be printed"));

        // Current revision: everything may be ticked.
        wizard.next();
        for (const QString &field : fields)
            wizard.setField(field, true);
        QCOMPARE(Flags(wizard, fields), QStringLiteral("11111111"));

        // Going back clears update and paste, and only those.
        wizard.back();
        QCOMPARE(Flags(wizard, fields), QStringLiteral("10011111"));
        QVERIFY(Find<QCheckBox>(permissions, "permissionUpdateDocumentCheckBox")->isEnabled());

        // An older revision may be neither updated nor pasted into.
        revision->box->setChecked(false);
        wizard.setField(QStringLiteral("permissionUpdateDocument"), true);
        wizard.next();
        QCOMPARE(Flags(wizard, fields), QStringLiteral("10011111"));
        QVERIFY(!Find<QCheckBox>(permissions, "permissionUpdateDocumentCheckBox")->isEnabled());
        QVERIFY(!Find<QCheckBox>(permissions, "permissionCopyDocumentContentsFromClipboardCheckBox")->isEnabled());

        // Back to the current revision: enabled again, unchecked.
        wizard.back();
        revision->box->setChecked(true);
        wizard.next();
        QVERIFY(Find<QCheckBox>(permissions, "permissionUpdateDocumentCheckBox")->isEnabled());
        QCOMPARE(Flags(wizard, fields), QStringLiteral("10011111"));
    }

    void sessionDuration()
    {
        QWizard wizard;
        auto *page = new SelectSessionDurationWizardPage(&wizard);
        wizard.addPage(page);
        auto *spinBox = Find<QSpinBox>(page, "durationSpinBox");
        auto *units = Find<QComboBox>(page, "unitsComboBox");
        QVERIFY(!wizard.field(QStringLiteral("restrictedDuration")).toBool());
        QCOMPARE(wizard.field(QStringLiteral("durationSpinBox")).toInt(), 60);
        QCOMPARE(wizard.field(QStringLiteral("durationComboBox")).toInt(), 0);
        QVERIFY(!spinBox->isVisibleTo(page) && !units->isVisibleTo(page));
        QCOMPARE(units->itemText(1), QStringLiteral("Hours"));

        // The amount never reaches 0.
        spinBox->setValue(0);
        QCOMPARE(spinBox->value(), 1);
        spinBox->setValue(30000);
        QCOMPARE(spinBox->value(), 28800);

        Find<QRadioButton>(page, "restrictedRadioButton")->setChecked(true);
        QVERIFY(spinBox->isVisibleTo(page) && units->isVisibleTo(page));
        spinBox->setValue(2);
        units->setCurrentIndex(1);
        Find<QRadioButton>(page, "unrestrictedRadioButton")->setChecked(true);
        QVERIFY(!spinBox->isVisibleTo(page));
        QCOMPARE(wizard.field(QStringLiteral("durationSpinBox")).toInt(), 2);
        QCOMPARE(wizard.field(QStringLiteral("durationComboBox")).toInt(), 1);
    }

    void expirationPresets_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QDate>("date");
        // Today is 31 January 2028 (a leap year) on the machine.
        QTest::newRow("1 week") << "OneWeek" << QDate(2028, 2, 7);
        QTest::newRow("2 weeks") << "TwoWeeks" << QDate(2028, 2, 14);
        QTest::newRow("1 month, last day of February") << "OneMonth" << QDate(2028, 2, 29);
        QTest::newRow("3 months, last day of April") << "ThreeMonths" << QDate(2028, 4, 30);
        QTest::newRow("6 months") << "SixMonths" << QDate(2028, 7, 31);
        QTest::newRow("9 months") << "NineMonths" << QDate(2028, 10, 31);
        QTest::newRow("1 year") << "OneYear" << QDate(2029, 1, 31);
        QTest::newRow("2 years") << "TwoYears" << QDate(2030, 1, 31);
        QTest::newRow("3 years") << "ThreeYears" << QDate(2031, 1, 31);
        QTest::newRow("4 years") << "FourYears" << QDate(2032, 1, 31);
        QTest::newRow("5 years") << "FiveYears" << QDate(2033, 1, 31);
        QTest::newRow("10 years") << "TenYears" << QDate(2038, 1, 31);
    }

    void expirationPresets()
    {
        QFETCH(QString, preset);
        QFETCH(QDate, date);
        // Noon UTC is the same day in the test's zone.
        ScopedClock clock(UtcInstant(2028, 1, 31, 12));
        QWizard wizard;
        auto *page = new SelectExpirationDateWizardPage(&wizard);
        wizard.addPage(page);
        auto *calendar = Find<QCalendarWidget>(page, "calendarWidget");
        QCOMPARE(wizard.field(QStringLiteral("expirationDateCalendar")).toDate(), QDate(2029, 1, 31));
        QCOMPARE(calendar->selectionMode(), QCalendarWidget::NoSelection);
        QCOMPARE(calendar->minimumDate(), QDate(2028, 2, 1));

        page->findChild<QRadioButton *>(preset + QStringLiteral("ExpirationDateRadioButton"))->setChecked(true);
        QCOMPARE(wizard.field(QStringLiteral("expirationDateCalendar")).toDate(), date);
        QCOMPARE(calendar->selectionMode(), QCalendarWidget::NoSelection);
        QCOMPARE(calendar->monthShown(), date.month());

        // "Select" keeps the date until a day is clicked, and no day before
        // tomorrow can be.
        Find<QRadioButton>(page, "SelectExpirationDateRadioButton")->setChecked(true);
        QCOMPARE(calendar->selectionMode(), QCalendarWidget::SingleSelection);
        QCOMPARE(wizard.field(QStringLiteral("expirationDateCalendar")).toDate(), date);
        calendar->setSelectedDate(QDate(2028, 1, 20));
        QVERIFY(wizard.field(QStringLiteral("expirationDateCalendar")).toDate() >= QDate(2028, 2, 1));
    }

    void choicesSurviveGoingBack()
    {
        QWizard wizard;
        auto *status = new SelectActiveStatusWizardPage(&wizard);
        auto *months = new SelectActiveMonthsWizardPage(&wizard);
        auto *duration = new SelectSessionDurationWizardPage(&wizard);
        auto *expiration = new SelectExpirationDateWizardPage(&wizard);
        for (QWizardPage *page : std::initializer_list<QWizardPage *>{status, months, duration, expiration})
            wizard.addPage(page);
        wizard.addPage(new QWizardPage);
        wizard.show();
        wizard.setField(QStringLiteral("active"), false);
        wizard.next();
        wizard.setField(QStringLiteral("may"), false);
        wizard.next();
        wizard.setField(QStringLiteral("restrictedDuration"), true);
        wizard.setField(QStringLiteral("durationSpinBox"), 7);
        wizard.next();
        Find<QRadioButton>(expiration, "TwoWeeksExpirationDateRadioButton")->setChecked(true);
        const QDate chosen = wizard.field(QStringLiteral("expirationDateCalendar")).toDate();
        wizard.next();
        for (int step = 0; step < 4; ++step)
            wizard.back();
        QCOMPARE(wizard.currentPage(), status);
        QVERIFY(!wizard.field(QStringLiteral("active")).toBool());
        QVERIFY(!wizard.field(QStringLiteral("may")).toBool());
        QVERIFY(wizard.field(QStringLiteral("restrictedDuration")).toBool());
        QCOMPARE(wizard.field(QStringLiteral("durationSpinBox")).toInt(), 7);
        QCOMPARE(wizard.field(QStringLiteral("expirationDateCalendar")).toDate(), chosen);
    }

    // Runs before the zone table is loaded: without regions there is
    // nothing to choose from and nothing to show.
    void activeHoursWithoutZoneTable()
    {
        QWizard wizard;
        auto *page = new SelectActiveHoursWizardPage(&wizard);
        wizard.addPage(page);
        QCOMPARE(Find<QComboBox>(page, "regionComboBox")->count(), 0);
        Find<QRadioButton>(page, "restrictedRadioButton")->setChecked(true);
        QVERIFY(Find<QTimeEdit>(page, "fromTimeEdit")->isVisibleTo(page));
        QVERIFY(!Find<QGroupBox>(page, "filterGroupBox")->isVisibleTo(page));
        QVERIFY(!Find<QTableView>(page, "tableView")->isVisibleTo(page));
    }

    void activeHoursTable()
    {
        QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()));
        QVERIFY(TimeZoneDatabase::instance()->setDefaultTimeZone("America/New_York"));
        // In January neither New York nor Paris keeps daylight-saving time.
        ScopedClock clock(UtcInstant(2027, 1, 15, 12));
        QWizard wizard;
        auto *page = new SelectActiveHoursWizardPage(&wizard);
        wizard.addPage(page);
        auto *table = Find<QTableView>(page, "tableView");
        auto *from = Find<QTimeEdit>(page, "fromTimeEdit");
        auto *to = Find<QTimeEdit>(page, "toTimeEdit");

        // At first only the two choices and a line are there.
        QVERIFY(!wizard.field(QStringLiteral("restrictedHours")).toBool());
        QCOMPARE(wizard.field(QStringLiteral("fromTime")).toDateTime().time(), QTime(8, 0));
        QCOMPARE(wizard.field(QStringLiteral("toTime")).toDateTime().time(), QTime(17, 0));
        QCOMPARE(wizard.field(QStringLiteral("region")).toString(), QStringLiteral("America/New_York"));
        QVERIFY(!from->isVisibleTo(page) && !table->isVisibleTo(page));
        QCOMPARE(table->model()->rowCount(), 519);
        QCOMPARE(Find<QComboBox>(page, "continentComboBox")->count(), 15);
        QCOMPARE(Find<QComboBox>(page, "timezoneComboBox")->count(), 141);
        QCOMPARE(Column(table, 0).first(), QStringLiteral("Africa/Abidjan"));

        Find<QRadioButton>(page, "restrictedRadioButton")->setChecked(true);
        QVERIFY(from->isVisibleTo(page) && table->isVisibleTo(page));
        QVERIFY(Find<QGroupBox>(page, "filterGroupBox")->isVisibleTo(page));
        QCOMPARE(Cell(table, QStringLiteral("America/New_York"), 3), QStringLiteral("08:00 AM - 05:00 PM"));
        QCOMPARE(Cell(table, QStringLiteral("Europe/Paris"), 3), QStringLiteral("02:00 PM - 11:00 PM"));
        QCOMPARE(Cell(table, QStringLiteral("Asia/Tokyo"), 3), QStringLiteral("10:00 PM - 07:00 AM"));
        QCOMPARE(Column(table, 4).removeDuplicates(), 518);
        QCOMPARE(Column(table, 4).first(), QStringLiteral("09:00"));

        // Daylight-saving abbreviations and their periods.
        QCOMPARE(Cell(table, QStringLiteral("Asia/Tokyo"), 2), QStringLiteral("Daylight Saving Time not observed"));
        QCOMPARE(Cell(table, QStringLiteral("America/New_York"), 2), QStringLiteral("03/14/27 - 11/07/27"));
        QCOMPARE(Cell(table, QStringLiteral("Australia/Sydney"), 2), QString());

        // The start drags the end along and the other way round.
        from->setTime(QTime(18, 0));
        QCOMPARE(to->time(), QTime(18, 0));
        QCOMPARE(Cell(table, QStringLiteral("America/New_York"), 4), QStringLiteral("00:00"));
        to->setTime(QTime(7, 0));
        QCOMPARE(from->time(), QTime(7, 0));
        to->setTime(QTime(9, 30));
        QCOMPARE(Cell(table, QStringLiteral("Europe/Paris"), 4), QStringLiteral("02:30"));

        // A new region recomputes every row; its own row shows the times as entered.
        auto *region = Find<QComboBox>(page, "regionComboBox");
        region->setCurrentIndex(region->findText(QStringLiteral("Europe/Paris")));
        QCOMPARE(Cell(table, QStringLiteral("Europe/Paris"), 3), QStringLiteral("07:00 AM - 09:30 AM"));
        QCOMPARE(Cell(table, QStringLiteral("America/New_York"), 3), QStringLiteral("01:00 AM - 03:30 AM"));

        // Choosing "unrestricted" hides the controls and keeps their values.
        Find<QRadioButton>(page, "unrestrictedRadioButton")->setChecked(true);
        QVERIFY(!from->isVisibleTo(page) && !table->isVisibleTo(page));
        QCOMPARE(wizard.field(QStringLiteral("fromTime")).toDateTime().time(), QTime(7, 0));
        QCOMPARE(wizard.field(QStringLiteral("region")).toString(), QStringLiteral("Europe/Paris"));
    }

    void activeHoursFilters()
    {
        QVERIFY(!TimeZoneDatabase::instance()->getTimeZoneDatabase().region_list().empty());
        QWizard wizard;
        auto *page = new SelectActiveHoursWizardPage(&wizard);
        wizard.addPage(page);
        auto *table = Find<QTableView>(page, "tableView");
        auto *group = Find<QGroupBox>(page, "filterGroupBox");
        auto *continents = Find<QComboBox>(page, "continentComboBox");
        auto *abbreviations = Find<QComboBox>(page, "timezoneComboBox");
        Find<QRadioButton>(page, "restrictedRadioButton")->setChecked(true);

        // Checking the group shows every row until a filter is picked.
        group->setChecked(true);
        QCOMPARE(table->model()->rowCount(), 519);

        const int america = continents->findText(QStringLiteral("America"));
        continents->setCurrentIndex(america);
        emit continents->activated(america);
        QVERIFY(Find<QRadioButton>(page, "continentRadioButton")->isChecked());
        const QStringList american = Column(table, 0);
        QVERIFY(!american.isEmpty());
        for (const QString &name : american)
            QVERIFY2(name.startsWith(QLatin1String("America/")), qPrintable(name));

        const int est = abbreviations->findText(QStringLiteral("EST"));
        abbreviations->setCurrentIndex(est);
        emit abbreviations->activated(est);
        const QStringList standard = Column(table, 1);
        QVERIFY(standard.contains(QStringLiteral("EST")) && standard.contains(QStringLiteral("AEST")));
        for (const QString &name : standard)
            QVERIFY2(name.contains(QLatin1String("EST")), qPrintable(name));

        // Unchecking the group shows all rows; checking it again re-applies
        // the chosen filter.
        group->setChecked(false);
        QCOMPARE(table->model()->rowCount(), 519);
        group->setChecked(true);
        QCOMPARE(Column(table, 1), standard);
        Find<QRadioButton>(page, "continentRadioButton")->setChecked(true);
        QCOMPARE(Column(table, 0), american);
    }

    void passcodeStartsWithoutOne()
    {
        PasscodeWizard host;
        QTRY_VERIFY(host.running());
        QTRY_VERIFY(!host.display()->isVisibleTo(host.page));
        QVERIFY(!host.prompt()->isVisibleTo(host.page) && !host.keypadShown());
        QVERIFY(host.wizard.field(QStringLiteral("noPasscode")).toBool());
        QCOMPARE(host.wizard.field(QStringLiteral("passcode")).toString(), QString());
        QVERIFY(!host.wizard.field(QStringLiteral("passcodeIsValid")).toBool());
        QVERIFY(host.page->validatePage());
        // Neither the display nor a key takes the focus: digits come from the keypad only.
        QCOMPARE(host.display()->focusPolicy(), Qt::NoFocus);
        QVERIFY(host.display()->isReadOnly());
        QCOMPARE(testsupport::KeypadKey(host.page, 3, 0)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(testsupport::KeypadKey(host.page, 2, 2)->text(), QStringLiteral("9 WXYZ"));
    }

    void passcodeTypedTwice()
    {
        PasscodeWizard host;
        QTRY_VERIFY(host.running());
        host.press("passcodeRadioButton");
        QTRY_COMPARE(host.promptText(), EnterPasscode);
        QVERIFY(host.keypadShown() && host.display()->isVisibleTo(host.page));
        host.type(QStringLiteral("1239D4"));
        QCOMPARE(host.display()->text(), QStringLiteral("1234"));
        host.type(QStringLiteral("E"));
        QTRY_COMPARE(host.promptText(), ReenterPasscode);
        QCOMPARE(host.prompt()->styleSheet(), QStringLiteral("QLabel {color : red; }"));
        QCOMPARE(host.display()->text(), QString());
        host.type(QStringLiteral("1234E"));
        QTRY_COMPARE(host.promptText(), PasscodeEntered);
        QVERIFY(!host.keypadShown() && !host.display()->isVisibleTo(host.page));
        QCOMPARE(host.wizard.field(QStringLiteral("passcode")).toString(), QStringLiteral("1234"));
        QVERIFY(host.wizard.field(QStringLiteral("passcodeIsValid")).toBool());
        QVERIFY(host.page->validatePage());

        // Only "no passcode" and then "passcode" again start anew.
        host.press("passcodeRadioButton");
        QTest::qWait(50);
        QCOMPARE(host.promptText(), PasscodeEntered);
        host.press("noPasscodeRadioButton");
        QTRY_VERIFY(!host.prompt()->isVisibleTo(host.page));
        QCOMPARE(host.wizard.field(QStringLiteral("passcode")).toString(), QString());
        QVERIFY(!host.wizard.field(QStringLiteral("passcodeIsValid")).toBool());
        host.press("passcodeRadioButton");
        QTRY_COMPARE(host.promptText(), EnterPasscode);
        QVERIFY(host.keypadShown());
    }

    void passcodeWarnings()
    {
        PasscodeWizard host;
        QTRY_VERIFY(host.running());
        host.press("passcodeRadioButton");
        QTRY_COMPARE(host.promptText(), EnterPasscode);

        // Enter on an empty display, and Delete on an empty display.
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        host.type(QStringLiteral("DE"));
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), EmptyWarning);
        QTRY_COMPARE(host.promptText(), EnterPasscode);

        host.type(QStringLiteral("55E"));
        QTRY_COMPARE(host.promptText(), ReenterPasscode);
        answerer.expect(QMessageBox::Ok);
        host.type(QStringLiteral("56E"));
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastText(), MismatchWarning);
        QTRY_COMPARE(host.display()->text(), QString());
        QCOMPARE(host.promptText(), ReenterPasscode);
        QVERIFY(!host.wizard.field(QStringLiteral("passcodeIsValid")).toBool());
        // The first entry stays.
        host.type(QStringLiteral("55E"));
        QTRY_COMPARE(host.promptText(), PasscodeEntered);
        QCOMPARE(host.wizard.field(QStringLiteral("passcode")).toString(), QStringLiteral("55"));
    }

    void passcodeValidationOrder_data()
    {
        QTest::addColumn<bool>("withPasscode");
        QTest::addColumn<QString>("first");  // typed and confirmed with Enter, "" for none
        QTest::addColumn<QString>("second"); // typed, not confirmed
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("valid");

        QTest::newRow("no passcode") << false << ""
                                     << "" << true << "" << false;
        QTest::newRow("empty display") << true << ""
                                       << "" << false << EmptyWarning << false;
        QTest::newRow("typed once, Next without Enter") << true << ""
                                                        << "12" << false << MismatchWarning << false;
        QTest::newRow("second entry differs") << true << "12"
                                              << "13" << false << MismatchWarning << false;
        // The user typed the same passcode twice: it counts, Enter or not.
        QTest::newRow("second entry matches, Next without Enter") << true << "12"
                                                                  << "12" << true << "" << true;
    }

    void passcodeValidationOrder()
    {
        QFETCH(bool, withPasscode);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, passes);
        QFETCH(QString, warning);
        QFETCH(bool, valid);

        PasscodeWizard host;
        QTRY_VERIFY(host.running());
        if (withPasscode) {
            host.press("passcodeRadioButton");
            QTRY_COMPARE(host.promptText(), EnterPasscode);
        }
        if (!first.isEmpty()) {
            host.type(first + QLatin1Char('E'));
            QTRY_COMPARE(host.promptText(), ReenterPasscode);
        }
        host.type(second);

        DialogAnswerer answerer;
        if (!warning.isEmpty())
            answerer.expect(QMessageBox::Ok);
        host.wizard.next();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().isEmpty() ? QString() : answerer.lastText(), warning);
        QCOMPARE(host.wizard.currentPage() == host.after, passes);
        QCOMPARE(host.wizard.field(QStringLiteral("passcodeIsValid")).toBool(), valid);
    }

    void passcodeKeypadWorksAfterGoingBack()
    {
        PasscodeWizard host;
        QTRY_VERIFY(host.running());
        host.press("passcodeRadioButton");
        QTRY_COMPARE(host.promptText(), EnterPasscode);
        host.type(QStringLiteral("77E"));
        QTRY_COMPARE(host.promptText(), ReenterPasscode);
        host.type(QStringLiteral("77E"));
        QTRY_COMPARE(host.promptText(), PasscodeEntered);

        // Back resets the choice; the keypad follows it.
        host.wizard.back();
        QTRY_VERIFY(!host.prompt()->isVisibleTo(host.page));
        QVERIFY(host.wizard.field(QStringLiteral("noPasscode")).toBool());
        QCOMPARE(host.wizard.field(QStringLiteral("passcode")).toString(), QString());
        QVERIFY(!host.wizard.field(QStringLiteral("passcodeIsValid")).toBool());
        host.wizard.next();
        host.press("passcodeRadioButton");
        QTRY_COMPARE(host.promptText(), EnterPasscode);
        QVERIFY(host.keypadShown());
        host.type(QStringLiteral("8E"));
        QTRY_COMPARE(host.promptText(), ReenterPasscode);
        host.type(QStringLiteral("8E"));
        QTRY_COMPARE(host.promptText(), PasscodeEntered);
        QCOMPARE(host.wizard.field(QStringLiteral("passcode")).toString(), QStringLiteral("8"));
    }
};

QTEST_MAIN(TestKeyPages)
#include "tst_keypages.moc"
