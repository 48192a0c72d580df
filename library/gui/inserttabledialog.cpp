#include "inserttabledialog.h"

#include "columnwidthdelegate.h"
#include "linguist.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
constexpr int MaximumCount = 99;
const QString DefaultColumnWidth = QStringLiteral("100");
}

InsertTableDialog::InsertTableDialog(QWidget *parent)
    : QDialog(parent)
    , m_alignmentComboBox(new QComboBox(this))
    , m_cellPaddingSpinBox(new QSpinBox(this))
    , m_cellSpacingSpinBox(new QSpinBox(this))
    , m_rowsSpinBox(new QSpinBox(this))
    , m_columnsSpinBox(new QSpinBox(this))
    , m_columnsListWidget(new QListWidget(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(tr("InsertTableDialogTitle"));
    initializeWidgets();
    initializeLayout();
}

QComboBox *InsertTableDialog::getAlignmentComboBox() const
{
    return m_alignmentComboBox;
}

QSpinBox *InsertTableDialog::getCellPaddingSpinBox() const
{
    return m_cellPaddingSpinBox;
}

QSpinBox *InsertTableDialog::getCellSpacingSpinBox() const
{
    return m_cellSpacingSpinBox;
}

QSpinBox *InsertTableDialog::getRowsSpinBox() const
{
    return m_rowsSpinBox;
}

QSpinBox *InsertTableDialog::getColumnsSpinBox() const
{
    return m_columnsSpinBox;
}

QListWidget *InsertTableDialog::getColumnsListWidget() const
{
    return m_columnsListWidget;
}

void InsertTableDialog::columnsSpinBoxValueChanged(int value)
{
    while (m_columnsListWidget->count() > value)
        delete m_columnsListWidget->takeItem(m_columnsListWidget->count() - 1);
    while (m_columnsListWidget->count() < value)
        appendColumnWidth();
}

void InsertTableDialog::initializeWidgets()
{
    // The names are shown as written: the editor maps their positions (0 to 3)
    // to the table's alignment.
    m_alignmentComboBox->addItems(
        {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Centered"), QStringLiteral("Justified")});
    m_cellPaddingSpinBox->setValue(1);
    m_cellSpacingSpinBox->setValue(1);
    m_rowsSpinBox->setRange(1, MaximumCount);
    m_rowsSpinBox->setValue(1);
    m_columnsSpinBox->setRange(1, MaximumCount);
    m_columnsSpinBox->setValue(1);
    appendColumnWidth();
    m_columnsListWidget->setItemDelegate(new ColumnWidthDelegate(this));
    connect(m_columnsSpinBox, &QSpinBox::valueChanged, this, &InsertTableDialog::columnsSpinBoxValueChanged);
    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

void InsertTableDialog::initializeLayout()
{
    auto *form = new QFormLayout;
    form->addRow(tr("Alignment"), m_alignmentComboBox);
    form->addRow(tr("CellPadding"), m_cellPaddingSpinBox);
    form->addRow(tr("CellSpacing"), m_cellSpacingSpinBox);
    form->addRow(tr("Rows"), m_rowsSpinBox);
    form->addRow(tr("Columns"), m_columnsSpinBox);

    auto *widths = new QGroupBox(tr("ColumnWidths"), this);
    auto *widthsLayout = new QHBoxLayout(widths);
    widthsLayout->addWidget(m_columnsListWidget);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okPushButton);
    buttons->addWidget(m_cancelPushButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(widths);
    layout->addLayout(buttons);
}

void InsertTableDialog::appendColumnWidth()
{
    auto *item = new QListWidgetItem(DefaultColumnWidth, m_columnsListWidget);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
}
