#include "selectactivehourswizardpage.h"

#include "qorvtime.h"
#include "timezone.h"
#include "timezonedatabase.h"
#include "wizardpagewidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QWizard>

#include <set>
#include <string>
#include <vector>

namespace
{
enum Column : int
{
    RegionColumn,
    StandardColumn,
    DaylightSavingColumn,
    ActiveHoursColumn,
    DurationColumn,
    ColumnCount
};

std::vector<std::string> Regions()
{
    return TimeZoneDatabase::instance()->getTimeZoneDatabase().region_list();
}

QStandardItem *Cell(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEditable));
    return item;
}

void AddStandardItemModelRow(QStandardItemModel *model, int row, const std::string &region)
{
    const TimeZone zone(region);
    const QString name = QString::fromStdString(region);
    QStandardItem *regionCell = Cell(name);
    regionCell->setData(name, Qt::UserRole);
    QStandardItem *daylightCell = Cell(QString::fromStdString(zone.getTimeZoneDaylightSavingTimeAbbrev()));
    daylightCell->setToolTip(zone.hasDaylightSavingTime() ? QString::fromStdString(zone.getDaylightSavingTimePeriod())
                                                          : SelectActiveHoursWizardPage::tr("DSTNotObserved"));
    model->setItem(row, RegionColumn, regionCell);
    model->setItem(row, StandardColumn, Cell(QString::fromStdString(zone.getTimeZoneStandardAbbrev())));
    model->setItem(row, DaylightSavingColumn, daylightCell);
    model->setItem(row, ActiveHoursColumn, Cell(QString()));
    model->setItem(row, DurationColumn, Cell(QString()));
}

void UpdateActiveHours(QStandardItemModel *model, QTableView *view, const QTime &from, const QTime &to,
                       const QString &region)
{
    if (!Regions().empty()) {
        const TimeZone chosen(region.toStdString());
        const Time start(from.hour(), from.minute(), from.second(), chosen);
        const Time end(to.hour(), to.minute(), to.second(), chosen);
        // The length is taken on the chosen zone's wall clock: the same in every row.
        const QString duration = QString::fromStdString(end - start);
        for (int row = 0; row < model->rowCount(); ++row) {
            const TimeZone zone(model->item(row, RegionColumn)->data(Qt::UserRole).toString().toStdString());
            model->item(row, ActiveHoursColumn)
                ->setText(QStringLiteral("%1 - %2").arg(QString::fromStdString(start.getLocalTime(zone)),
                                                        QString::fromStdString(end.getLocalTime(zone))));
            model->item(row, DurationColumn)->setText(duration);
        }
    }
    view->resizeColumnsToContents();
}

void InitializeContinentComboBox(QComboBox *comboBox)
{
    QString previous;
    for (const std::string &region : Regions()) {
        const QString name = QString::fromStdString(region);
        const int slash = name.indexOf(QLatin1Char('/'));
        const QString continent = slash < 0 ? name : name.left(slash);
        if (continent != previous)
            comboBox->addItem(continent);
        previous = continent;
    }
}

void InitializeTimezoneComboBox(QComboBox *comboBox)
{
    std::set<std::string> abbreviations; // byte order: upper case before lower case
    for (const std::string &region : Regions())
        abbreviations.insert(TimeZone(region).getTimeZoneStandardAbbrev());
    for (const std::string &abbreviation : abbreviations)
        comboBox->addItem(QString::fromStdString(abbreviation));
}
}

SelectActiveHoursWizardPage::SelectActiveHoursWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_unrestrictedRadioButton(new QRadioButton(this))
    , m_restrictedRadioButton(new QRadioButton(this))
    , m_fromLabel(new QLabel(this))
    , m_upperLine(wizardpage::CreateSeparatorLine(this))
    , m_lowerLine(wizardpage::CreateSeparatorLine(this))
    , m_toLabel(new QLabel(this))
    , m_regionLabel(new QLabel(this))
    , m_fromTimeEdit(new QTimeEdit(this))
    , m_toTimeEdit(new QTimeEdit(this))
    , m_regionComboBox(new QComboBox(this))
    , m_filterGroupBox(new QGroupBox(this))
    , m_continentRadioButton(new QRadioButton(m_filterGroupBox))
    , m_continentComboBox(new QComboBox(m_filterGroupBox))
    , m_timezoneRadioButton(new QRadioButton(m_filterGroupBox))
    , m_timezoneComboBox(new QComboBox(m_filterGroupBox))
    , m_tableView(new QTableView(this))
    , m_tableModel(new QStandardItemModel(0, ColumnCount, this))
    , m_filterModel(new QSortFilterProxyModel(this))
{
    setTitle(tr("SelectActiveHoursWizardPageTitle"));
    setSubTitle(tr("SelectActiveHoursWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/clock.png")));
    m_unrestrictedRadioButton->setObjectName(QStringLiteral("unrestrictedRadioButton"));
    m_restrictedRadioButton->setObjectName(QStringLiteral("restrictedRadioButton"));
    m_fromTimeEdit->setObjectName(QStringLiteral("fromTimeEdit"));
    m_toTimeEdit->setObjectName(QStringLiteral("toTimeEdit"));
    m_regionComboBox->setObjectName(QStringLiteral("regionComboBox"));
    m_filterGroupBox->setObjectName(QStringLiteral("filterGroupBox"));
    m_continentRadioButton->setObjectName(QStringLiteral("continentRadioButton"));
    m_continentComboBox->setObjectName(QStringLiteral("continentComboBox"));
    m_timezoneRadioButton->setObjectName(QStringLiteral("timezoneRadioButton"));
    m_timezoneComboBox->setObjectName(QStringLiteral("timezoneComboBox"));
    m_tableView->setObjectName(QStringLiteral("tableView"));

    m_unrestrictedRadioButton->setChecked(true);
    m_unrestrictedRadioButton->setText(tr("UnrestrictedHours"));
    m_restrictedRadioButton->setText(tr("RestrictedHours"));
    m_fromLabel->setText(tr("From"));
    m_toLabel->setText(tr("To"));
    m_regionLabel->setText(tr("Region"));
    m_filterGroupBox->setTitle(tr("TableFilterGroupBoxTitle"));
    m_continentRadioButton->setText(tr("FilterTableByContinent"));
    m_timezoneRadioButton->setText(tr("FilterTableByTimezone"));
    registerField(QStringLiteral("restrictedHours"), m_restrictedRadioButton);
    registerField(QStringLiteral("fromTime"), m_fromTimeEdit);
    registerField(QStringLiteral("toTime"), m_toTimeEdit);
    registerField(QStringLiteral("region"), m_regionComboBox, "currentText");
    m_fromLabel->setBuddy(m_fromTimeEdit);
    m_toLabel->setBuddy(m_toTimeEdit);
    m_regionLabel->setBuddy(m_regionComboBox);
    m_fromTimeEdit->setTime(QTime(8, 0));
    m_toTimeEdit->setTime(QTime(17, 0));

    auto *timesLayout = new QHBoxLayout;
    for (QLabel *label : {m_fromLabel, m_toLabel, m_regionLabel})
        label->setAlignment(Qt::AlignVCenter);
    timesLayout->addWidget(m_fromLabel);
    timesLayout->addWidget(m_fromTimeEdit);
    timesLayout->addWidget(m_toLabel);
    timesLayout->addWidget(m_toTimeEdit);
    timesLayout->addWidget(m_regionLabel);
    timesLayout->addWidget(m_regionComboBox);
    timesLayout->addStretch();
    auto *filterLayout = new QHBoxLayout(m_filterGroupBox);
    filterLayout->addWidget(m_continentRadioButton);
    filterLayout->addWidget(m_continentComboBox);
    filterLayout->addWidget(m_timezoneRadioButton);
    filterLayout->addWidget(m_timezoneComboBox);
    filterLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_unrestrictedRadioButton);
    layout->addWidget(m_restrictedRadioButton);
    layout->addWidget(m_upperLine);
    layout->addLayout(timesLayout);
    layout->addWidget(m_lowerLine);
    layout->addWidget(m_filterGroupBox);
    layout->addWidget(m_tableView);
    m_filterGroupBox->setFlat(false);
    m_filterGroupBox->setCheckable(true);
    m_filterGroupBox->setChecked(false);

    m_tableModel->setHorizontalHeaderLabels({tr("Region"), tr("STZ"), tr("DTZ"), tr("ActiveHours"), tr("Duration")});
    const std::vector<std::string> regions = Regions();
    m_tableModel->setRowCount(static_cast<int>(regions.size()));
    for (std::size_t row = 0; row < regions.size(); ++row)
        AddStandardItemModelRow(m_tableModel, static_cast<int>(row), regions[row]);
    m_filterModel->setSourceModel(m_tableModel);
    m_tableView->setModel(m_filterModel);
    m_tableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_tableView->verticalHeader()->hide();
    m_tableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_tableView->setSortingEnabled(true);

    const QString defaultRegion = QString::fromStdString(TimeZoneDatabase::instance()->getDefaultTimeZoneRegion());
    for (const std::string &region : regions)
        m_regionComboBox->addItem(QString::fromStdString(region));
    const int defaultIndex = m_regionComboBox->findText(defaultRegion, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (defaultIndex >= 0)
        m_regionComboBox->setCurrentIndex(defaultIndex);
    InitializeContinentComboBox(m_continentComboBox);
    InitializeTimezoneComboBox(m_timezoneComboBox);
    UpdateActiveHours(m_tableModel, m_tableView, m_fromTimeEdit->time(), m_toTimeEdit->time(),
                      m_regionComboBox->currentText());

    connect(this, &SelectActiveHoursWizardPage::invalidateTableFilter, m_filterModel,
            &QSortFilterProxyModel::invalidate);
    connect(m_restrictedRadioButton, &QRadioButton::toggled, this, &SelectActiveHoursWizardPage::toggleRestrictedHours);
    connect(m_fromTimeEdit, &QTimeEdit::timeChanged, this, &SelectActiveHoursWizardPage::fromTimeChanged);
    connect(m_toTimeEdit, &QTimeEdit::timeChanged, this, &SelectActiveHoursWizardPage::toTimeChanged);
    connect(m_regionComboBox, &QComboBox::currentIndexChanged, this, &SelectActiveHoursWizardPage::regionChanged);
    connect(m_filterGroupBox, &QGroupBox::toggled, this, &SelectActiveHoursWizardPage::toggleTableFilter);
    connect(m_continentRadioButton, &QRadioButton::toggled, this,
            &SelectActiveHoursWizardPage::toggleFilterTableByContinent);
    connect(m_continentComboBox, &QComboBox::activated, this,
            &SelectActiveHoursWizardPage::filterTableByContinentActivated);
    connect(m_timezoneRadioButton, &QRadioButton::toggled, this,
            &SelectActiveHoursWizardPage::toggleFilterTableByTimezone);
    connect(m_timezoneComboBox, &QComboBox::activated, this,
            &SelectActiveHoursWizardPage::filterTableByTimezoneActivated);

    for (QWidget *widget :
         std::initializer_list<QWidget *>{m_fromLabel, m_toLabel, m_regionLabel, m_fromTimeEdit, m_toTimeEdit,
                                          m_regionComboBox, m_lowerLine, m_filterGroupBox, m_continentRadioButton,
                                          m_timezoneRadioButton, m_continentComboBox, m_timezoneComboBox, m_tableView})
        widget->hide();
    m_upperLine->show();
}

SelectActiveHoursWizardPage::~SelectActiveHoursWizardPage() = default;

void SelectActiveHoursWizardPage::cleanupPage()
{
}

void SelectActiveHoursWizardPage::toggleRestrictedHours(bool state)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{m_fromLabel, m_toLabel, m_regionLabel, m_fromTimeEdit,
                                                            m_toTimeEdit, m_regionComboBox})
        widget->setVisible(state);
    // Without a zone table there is nothing to filter or show.
    if (Regions().empty())
        return;
    for (QWidget *widget :
         std::initializer_list<QWidget *>{m_lowerLine, m_filterGroupBox, m_continentRadioButton, m_timezoneRadioButton,
                                          m_continentComboBox, m_timezoneComboBox, m_tableView})
        widget->setVisible(state);
}

void SelectActiveHoursWizardPage::fromTimeChanged(QTime time)
{
    if (m_toTimeEdit->time() < time)
        m_toTimeEdit->setTime(time);
    UpdateActiveHours(m_tableModel, m_tableView, m_fromTimeEdit->time(), m_toTimeEdit->time(),
                      m_regionComboBox->currentText());
}

void SelectActiveHoursWizardPage::toTimeChanged(QTime time)
{
    if (time < m_fromTimeEdit->time())
        m_fromTimeEdit->setTime(time);
    UpdateActiveHours(m_tableModel, m_tableView, m_fromTimeEdit->time(), m_toTimeEdit->time(),
                      m_regionComboBox->currentText());
}

void SelectActiveHoursWizardPage::regionChanged(int index)
{
    UpdateActiveHours(m_tableModel, m_tableView, m_fromTimeEdit->time(), m_toTimeEdit->time(),
                      m_regionComboBox->itemText(index));
}

void SelectActiveHoursWizardPage::toggleTableFilter(bool state)
{
    showAllRows();
    if (!state)
        return;
    if (m_continentRadioButton->isChecked())
        filterTableByContinentActivated(m_continentComboBox->currentIndex());
    else if (m_timezoneRadioButton->isChecked())
        filterTableByTimezoneActivated(m_timezoneComboBox->currentIndex());
}

void SelectActiveHoursWizardPage::toggleFilterTableByContinent(bool state)
{
    if (state)
        filterTableByContinentActivated(m_continentComboBox->currentIndex());
    else
        showAllRows();
}

void SelectActiveHoursWizardPage::filterTableByContinentActivated(int index)
{
    m_continentRadioButton->setChecked(true);
    emit invalidateTableFilter();
    m_filterModel->setFilterKeyColumn(RegionColumn);
    m_filterModel->setFilterRegularExpression(
        QRegularExpression(QStringLiteral("^%1").arg(m_continentComboBox->itemText(index))));
    m_tableView->resizeColumnsToContents();
}

void SelectActiveHoursWizardPage::toggleFilterTableByTimezone(bool state)
{
    if (state)
        filterTableByTimezoneActivated(m_timezoneComboBox->currentIndex());
    else
        showAllRows();
}

void SelectActiveHoursWizardPage::filterTableByTimezoneActivated(int index)
{
    m_timezoneRadioButton->setChecked(true);
    emit invalidateTableFilter();
    m_filterModel->setFilterKeyColumn(StandardColumn);
    m_filterModel->setFilterFixedString(m_timezoneComboBox->itemText(index));
    m_tableView->resizeColumnsToContents();
}

void SelectActiveHoursWizardPage::showAllRows()
{
    emit invalidateTableFilter();
    m_filterModel->setFilterKeyColumn(RegionColumn);
    m_filterModel->setFilterWildcard(QStringLiteral("*"));
}
