#ifndef ABSTRACTSEARCHDIALOG_H
#define ABSTRACTSEARCHDIALOG_H

#include "linguist.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

// The dialog of every criteria search: "All of the following" or "Any of the
// following", the criteria table T (a SearchTableView that arrives with one
// row), a sortable table of results, and Search, Open, Reset and Close. The
// concrete dialog sets the result columns, connects Search and Reset, runs
// the search and hands the selected rows' records to its caller, which opens
// them when the dialog is accepted.
template <class T>
class AbstractSearchDialog : public QDialog
{
public:
    explicit AbstractSearchDialog(QWidget *parent);
    ~AbstractSearchDialog() override = default;

    // Open is enabled exactly while a result is selected.
    virtual void itemSelectionChanged();
    // Both tables back to the start: one fresh criterion, no result. The
    // choice between all and any, and whatever a derived dialog added, stay.
    virtual void reset();
    virtual void search() = 0;

protected:
    // Gives the results their columns, sized to their titles, sorted by the
    // first in descending order. The sort indicator is set anew: inserting
    // the columns would otherwise push Qt's default one past the last column,
    // and the results would stay unsorted.
    void setResultColumns(const QStringList &titles);

    // Whether every criterion must hold ("All of the following").
    bool allCriteriaMustHold() const;

    // Replaces the results by rowCount rows that fill(row) fills. The table
    // would re-sort after every cell set while sorting is on, scattering one
    // record's cells over several rows; so it is filled unsorted and then
    // sorted once, by the column and order the user last chose.
    template <class Fill>
    void replaceResults(int rowCount, Fill fill);

    // A failed search keeps the rows of the last good one and says so under
    // them, so that it never passes for a search that found nothing.
    void showSearchFailure(const QString &text);
    void clearSearchFailure();

    QRadioButton *m_allOfTheFollowingRadioButton;
    QRadioButton *m_anyOfTheFollowingRadioButton;
    QTableWidget *m_resultsTableWidget;
    QDialogButtonBox *m_dialogButtonBox;
    T *m_searchTableView;
    QHBoxLayout *m_searchForLayout;
    QLabel *m_searchFailureLabel;
};

template <class T>
AbstractSearchDialog<T>::AbstractSearchDialog(QWidget *parent)
    : QDialog(parent)
    , m_allOfTheFollowingRadioButton(new QRadioButton(Linguist::tr("AllOfTheFollowing")))
    , m_anyOfTheFollowingRadioButton(new QRadioButton(Linguist::tr("AnyOfTheFollowing")))
    , m_resultsTableWidget(new QTableWidget(this))
    , m_dialogButtonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Close | QDialogButtonBox::Apply
                                             | QDialogButtonBox::Reset))
    , m_searchTableView(new T(this))
    , m_searchForLayout(new QHBoxLayout)
    , m_searchFailureLabel(new QLabel)
{
    m_allOfTheFollowingRadioButton->setChecked(true);

    QPushButton *searchButton = m_dialogButtonBox->button(QDialogButtonBox::Apply);
    QPushButton *openButton = m_dialogButtonBox->button(QDialogButtonBox::Ok);
    searchButton->setText(Linguist::tr("Search"));
    openButton->setText(Linguist::tr("Open"));
    openButton->setEnabled(false);

    QObject::connect(m_dialogButtonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QObject::connect(m_dialogButtonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);

    m_resultsTableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultsTableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_resultsTableWidget->setSelectionMode(QAbstractItemView::MultiSelection);
    m_resultsTableWidget->setSortingEnabled(true);

    setMinimumWidth(640);
    setMinimumHeight(480);

    m_searchForLayout->addWidget(m_allOfTheFollowingRadioButton);
    m_searchForLayout->addWidget(m_anyOfTheFollowingRadioButton);
    m_searchForLayout->addStretch();
    auto *searchForGroupBox = new QGroupBox(Linguist::tr("SearchFor"));
    searchForGroupBox->setLayout(m_searchForLayout);

    m_searchFailureLabel->setObjectName(QStringLiteral("searchFailureLabel"));
    m_searchFailureLabel->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    m_searchFailureLabel->setWordWrap(true);
    m_searchFailureLabel->hide();

    auto *layout = new QVBoxLayout;
    layout->addWidget(searchForGroupBox);
    layout->addWidget(m_searchTableView);
    layout->addWidget(m_resultsTableWidget);
    layout->addWidget(m_searchFailureLabel);
    layout->addWidget(m_dialogButtonBox);
    setLayout(layout);

    // Only now that the button is inside the dialog does the dialog remember
    // it as the widget to focus when shown.
    searchButton->setFocus();
}

template <class T>
void AbstractSearchDialog<T>::setResultColumns(const QStringList &titles)
{
    m_resultsTableWidget->setColumnCount(int(titles.size()));
    m_resultsTableWidget->setHorizontalHeaderLabels(titles);
    m_resultsTableWidget->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    m_resultsTableWidget->sortByColumn(0, Qt::DescendingOrder);
}

template <class T>
void AbstractSearchDialog<T>::itemSelectionChanged()
{
    m_dialogButtonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_resultsTableWidget->selectedItems().isEmpty());
}

template <class T>
void AbstractSearchDialog<T>::reset()
{
    QStandardItemModel *criteria = m_searchTableView->getStandardItemModel();
    criteria->removeRows(0, criteria->rowCount());
    criteria->insertRow(0);
    // Removing the selected rows empties the selection, which disables Open.
    m_resultsTableWidget->setRowCount(0);
    clearSearchFailure();
}

template <class T>
bool AbstractSearchDialog<T>::allCriteriaMustHold() const
{
    return m_allOfTheFollowingRadioButton->isChecked();
}

template <class T>
template <class Fill>
void AbstractSearchDialog<T>::replaceResults(int rowCount, Fill fill)
{
    m_resultsTableWidget->setSortingEnabled(false);
    m_resultsTableWidget->setRowCount(0);
    m_resultsTableWidget->setRowCount(rowCount);
    for (int row = 0; row < rowCount; ++row)
        fill(row);
    m_resultsTableWidget->setSortingEnabled(true);
    if (m_resultsTableWidget->rowCount() > 0)
        m_resultsTableWidget->resizeColumnsToContents();
    clearSearchFailure();
}

template <class T>
void AbstractSearchDialog<T>::showSearchFailure(const QString &text)
{
    m_searchFailureLabel->setText(text);
    m_searchFailureLabel->show();
}

template <class T>
void AbstractSearchDialog<T>::clearSearchFailure()
{
    m_searchFailureLabel->clear();
    m_searchFailureLabel->hide();
}

#endif // ABSTRACTSEARCHDIALOG_H
