#ifndef SEARCHTABLEVIEW_H
#define SEARCHTABLEVIEW_H

#include <QTableView>

class QStandardItemModel;

// The criteria of a search: a one-column table whose rows are criteria, each
// edited in place by a permanent editor that the concrete table's delegate
// creates. The "+" header appends a row, a row's "-" header removes it. The
// search dialogs read only the model, never the editors.
class SearchTableView : public QTableView
{
    Q_OBJECT

public:
    // What a criterion row holds on its one cell, once its editor has
    // committed. In the result tables these numbers are record roles; here
    // they mean only these four values.
    enum CriterionRole : int
    {
        SubjectRole = Qt::UserRole + 1,   // int: the subject's index
        PredicateRole = Qt::UserRole + 2, // int: the predicate's index among the subject's own
        TextRole = Qt::UserRole + 3,      // QString, trimmed
        DateRole = Qt::UserRole + 4       // QDate
    };

    explicit SearchTableView(QWidget *parent);
    ~SearchTableView() override;

    QStandardItemModel *getStandardItemModel() const;

public slots:
    // The argument is the clicked header section, which does not matter: a
    // new row always goes to the end.
    void addRow(int logicalIndex);
    void deleteRow(int logicalIndex);

protected slots:
    void rowsInserted(const QModelIndex &parent, int first, int last) override;

private:
    QStandardItemModel *m_standardItemModel;
};

#endif // SEARCHTABLEVIEW_H
