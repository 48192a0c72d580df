#ifndef SELECTEXPIRATIONDATEWIZARDPAGE_H
#define SELECTEXPIRATIONDATEWIZARDPAGE_H

#include <QWizardPage>

#include <array>

class QCalendarWidget;
class QDate;
class QRadioButton;

// The last local day of a new key (field "expirationDateCalendar"): a preset
// from one week to ten years ahead, or a day picked on the calendar, never
// earlier than tomorrow. "Today" is read when the page is built and when a
// preset is chosen.
class SelectExpirationDateWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectExpirationDateWizardPage(QWidget *parent);
    ~SelectExpirationDateWizardPage() override;

    // Going back keeps the choice.
    void cleanupPage() override;

private slots:
    void toggleOneWeekExpirationDate(bool state);
    void toggleTwoWeeksExpirationDate(bool state);
    void toggleOneMonthExpirationDate(bool state);
    void toggleThreeMonthsExpirationDate(bool state);
    void toggleSixMonthsExpirationDate(bool state);
    void toggleNineMonthsExpirationDate(bool state);
    void toggleOneYearExpirationDate(bool state);
    void toggleTwoYearsExpirationDate(bool state);
    void toggleThreeYearsExpirationDate(bool state);
    void toggleFourYearsExpirationDate(bool state);
    void toggleFiveYearsExpirationDate(bool state);
    void toggleTenYearsExpirationDate(bool state);
    void toggleSelectExpirationDate(bool state);

private:
    // Locks the calendar on the preset's date.
    void selectPresetDate(bool state, const QDate &date);

    std::array<QRadioButton *, 13> m_radioButtons;
    QCalendarWidget *m_calendarWidget;
};

#endif // SELECTEXPIRATIONDATEWIZARDPAGE_H
