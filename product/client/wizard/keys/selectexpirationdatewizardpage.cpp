#include "selectexpirationdatewizardpage.h"

#include "keyrules.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizard>

namespace
{
enum Preset
{
    OneWeek,
    TwoWeeks,
    OneMonth,
    ThreeMonths,
    SixMonths,
    NineMonths,
    OneYear,
    TwoYears,
    ThreeYears,
    FourYears,
    FiveYears,
    TenYears,
    Select
};
}

SelectExpirationDateWizardPage::SelectExpirationDateWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_calendarWidget(new QCalendarWidget(this))
{
    setTitle(tr("SelectExpirationDateWizardPageTitle"));
    setSubTitle(tr("SelectExpirationDateWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/hourglass.png")));

    struct Button
    {
        const char *key;
        void (SelectExpirationDateWizardPage::*slot)(bool);
    };
    const std::array<Button, 13> buttons = {{
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "OneWeekExpirationDate"),
         &SelectExpirationDateWizardPage::toggleOneWeekExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "TwoWeeksExpirationDate"),
         &SelectExpirationDateWizardPage::toggleTwoWeeksExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "OneMonthExpirationDate"),
         &SelectExpirationDateWizardPage::toggleOneMonthExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "ThreeMonthsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleThreeMonthsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "SixMonthsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleSixMonthsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "NineMonthsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleNineMonthsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "OneYearExpirationDate"),
         &SelectExpirationDateWizardPage::toggleOneYearExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "TwoYearsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleTwoYearsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "ThreeYearsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleThreeYearsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "FourYearsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleFourYearsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "FiveYearsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleFiveYearsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "TenYearsExpirationDate"),
         &SelectExpirationDateWizardPage::toggleTenYearsExpirationDate},
        {QT_TRANSLATE_NOOP("SelectExpirationDateWizardPage", "SelectExpirationDate"),
         &SelectExpirationDateWizardPage::toggleSelectExpirationDate},
    }};

    auto *radioLayout = new QVBoxLayout;
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        auto *button = new QRadioButton(tr(buttons[index].key), this);
        button->setObjectName(QString::fromLatin1(buttons[index].key) + QStringLiteral("RadioButton"));
        radioLayout->addWidget(button);
        m_radioButtons[index] = button;
    }
    m_calendarWidget->setObjectName(QStringLiteral("calendarWidget"));
    m_calendarWidget->setGridVisible(true);
    m_calendarWidget->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendarWidget->setMinimumDate(keyrules::LocalToday().addDays(1));
    registerField(QStringLiteral("expirationDateCalendar"), m_calendarWidget, "selectedDate");

    auto *calendarLayout = new QVBoxLayout;
    calendarLayout->addWidget(m_calendarWidget);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(radioLayout);
    layout->addLayout(calendarLayout);

    // Checked before connecting; the date is then set by calling the slot.
    m_radioButtons[OneYear]->setChecked(true);
    for (std::size_t index = 0; index < buttons.size(); ++index)
        connect(m_radioButtons[index], &QRadioButton::toggled, this, buttons[index].slot);
    toggleOneYearExpirationDate(true);
}

SelectExpirationDateWizardPage::~SelectExpirationDateWizardPage() = default;

void SelectExpirationDateWizardPage::cleanupPage()
{
}

void SelectExpirationDateWizardPage::selectPresetDate(bool state, const QDate &date)
{
    if (!state)
        return;
    m_calendarWidget->setSelectionMode(QCalendarWidget::NoSelection);
    m_calendarWidget->setSelectedDate(date);
}

void SelectExpirationDateWizardPage::toggleOneWeekExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addDays(7));
}

void SelectExpirationDateWizardPage::toggleTwoWeeksExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addDays(14));
}

void SelectExpirationDateWizardPage::toggleOneMonthExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addMonths(1));
}

void SelectExpirationDateWizardPage::toggleThreeMonthsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addMonths(3));
}

void SelectExpirationDateWizardPage::toggleSixMonthsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addMonths(6));
}

void SelectExpirationDateWizardPage::toggleNineMonthsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addMonths(9));
}

void SelectExpirationDateWizardPage::toggleOneYearExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addYears(1));
}

void SelectExpirationDateWizardPage::toggleTwoYearsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addYears(2));
}

void SelectExpirationDateWizardPage::toggleThreeYearsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addYears(3));
}

void SelectExpirationDateWizardPage::toggleFourYearsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addYears(4));
}

void SelectExpirationDateWizardPage::toggleFiveYearsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addYears(5));
}

void SelectExpirationDateWizardPage::toggleTenYearsExpirationDate(bool state)
{
    selectPresetDate(state, keyrules::LocalToday().addYears(10));
}

void SelectExpirationDateWizardPage::toggleSelectExpirationDate(bool state)
{
    if (state)
        m_calendarWidget->setSelectionMode(QCalendarWidget::SingleSelection);
}
