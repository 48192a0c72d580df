#ifndef SELECTACTIVEHOURSWIZARDPAGE_H
#define SELECTACTIVEHOURSWIZARDPAGE_H

#include <QTime>
#include <QWizardPage>

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTimeEdit;

// Restricts a key to a span of the day in a named region (fields
// "restrictedHours", "fromTime", "toTime", "region"). To help choose, a table
// shows the span in every region of the zone table, filterable by continent
// or by standard abbreviation. The start never lies after the end: moving one
// past the other drags it along. Whether the span goes into a key is the
// wizard's to decide.
class SelectActiveHoursWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveHoursWizardPage(QWidget *parent);
    ~SelectActiveHoursWizardPage() override;

    // Going back keeps the choices.
    void cleanupPage() override;

signals:
    void invalidateTableFilter();

public slots:
    void toggleRestrictedHours(bool state);
    void fromTimeChanged(QTime time);
    void toTimeChanged(QTime time);
    void regionChanged(int index);
    void toggleTableFilter(bool state);
    void toggleFilterTableByContinent(bool state);
    void filterTableByContinentActivated(int index);
    void toggleFilterTableByTimezone(bool state);
    void filterTableByTimezoneActivated(int index);

private:
    void showAllRows();

    QRadioButton *m_unrestrictedRadioButton;
    QRadioButton *m_restrictedRadioButton;
    QLabel *m_fromLabel;
    QLabel *m_upperLine;
    QLabel *m_lowerLine;
    QLabel *m_toLabel;
    QLabel *m_regionLabel;
    QTimeEdit *m_fromTimeEdit;
    QTimeEdit *m_toTimeEdit;
    QComboBox *m_regionComboBox;
    QGroupBox *m_filterGroupBox;
    QRadioButton *m_continentRadioButton;
    QComboBox *m_continentComboBox;
    QRadioButton *m_timezoneRadioButton;
    QComboBox *m_timezoneComboBox;
    QTableView *m_tableView;
    QStandardItemModel *m_tableModel;
    QSortFilterProxyModel *m_filterModel;
};

#endif // SELECTACTIVEHOURSWIZARDPAGE_H
