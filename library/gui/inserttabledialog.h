#ifndef INSERTTABLEDIALOG_H
#define INSERTTABLEDIALOG_H

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

// Collects the description of a new table: alignment, cell padding and
// spacing, rows, columns and one width per column. The list of widths always
// holds one entry per column. The dialog only collects; the editor reads the
// widgets once the dialog was accepted.
class InsertTableDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InsertTableDialog(QWidget *parent = nullptr);

    QComboBox *getAlignmentComboBox() const;
    QSpinBox *getCellPaddingSpinBox() const;
    QSpinBox *getCellSpacingSpinBox() const;
    QSpinBox *getRowsSpinBox() const;
    QSpinBox *getColumnsSpinBox() const;
    QListWidget *getColumnsListWidget() const;

public slots:
    void columnsSpinBoxValueChanged(int value);

private:
    void initializeWidgets();
    void initializeLayout();
    void appendColumnWidth();

    QComboBox *m_alignmentComboBox;
    QSpinBox *m_cellPaddingSpinBox;
    QSpinBox *m_cellSpacingSpinBox;
    QSpinBox *m_rowsSpinBox;
    QSpinBox *m_columnsSpinBox;
    QListWidget *m_columnsListWidget;
    QPushButton *m_okPushButton;
    QPushButton *m_cancelPushButton;
};

#endif // INSERTTABLEDIALOG_H
