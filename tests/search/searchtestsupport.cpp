#include "searchtestsupport.h"

#include "abstractsearcheditor.h"
#include "searchtableview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>

#include <google/protobuf/descriptor.h>
#include <google/protobuf/message.h>

namespace searchtest
{
AbstractSearchEditor *Editor(const SearchTableView &table, int row)
{
    return qobject_cast<AbstractSearchEditor *>(table.indexWidget(table.getStandardItemModel()->index(row, 0)));
}

QComboBox *SubjectBox(const AbstractSearchEditor &editor)
{
    return editor.findChild<QComboBox *>(QStringLiteral("subjectComboBox"));
}

QComboBox *PredicateBox(const AbstractSearchEditor &editor)
{
    return editor.findChild<QComboBox *>(QStringLiteral("predicateComboBox"));
}

QLineEdit *TextField(const AbstractSearchEditor &editor)
{
    return editor.findChild<QLineEdit *>(QStringLiteral("textLineEdit"));
}

QDateEdit *DateField(const AbstractSearchEditor &editor)
{
    return editor.findChild<QDateEdit *>(QStringLiteral("dateEdit"));
}

QStringList Items(const QComboBox &comboBox)
{
    QStringList items;
    for (int index = 0; index < comboBox.count(); ++index)
        items << comboBox.itemText(index);
    return items;
}

void SetTextCriterion(const SearchTableView &table, int row, int subject, int predicate, const QString &text)
{
    AbstractSearchEditor *editor = Editor(table, row);
    SubjectBox(*editor)->setCurrentIndex(subject);
    PredicateBox(*editor)->setCurrentIndex(predicate);
    QLineEdit *field = TextField(*editor);
    // As if pasted: the test keyboard types ASCII only.
    field->clear();
    field->insert(text);
    QTest::keyClick(field, Qt::Key_Return);
}

void SetDateCriterion(const SearchTableView &table, int row, int subject, int predicate, const QDate &date)
{
    AbstractSearchEditor *editor = Editor(table, row);
    SubjectBox(*editor)->setCurrentIndex(subject);
    PredicateBox(*editor)->setCurrentIndex(predicate);
    DateField(*editor)->setDate(date);
}

SearchTableView *Criteria(const QDialog &dialog)
{
    return dialog.findChild<SearchTableView *>();
}

QTableWidget *Results(const QDialog &dialog)
{
    return dialog.findChild<QTableWidget *>();
}

QPushButton *Button(const QDialog &dialog, QDialogButtonBox::StandardButton button)
{
    return dialog.findChild<QDialogButtonBox *>()->button(button);
}

QLabel *FailureNotice(const QDialog &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("searchFailureLabel"));
}

bool ShowActive(QDialog &dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

namespace
{
void ClickSection(QHeaderView *header, int section)
{
    const int middle = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    const QPoint point = header->orientation() == Qt::Horizontal ? QPoint(middle, header->height() / 2)
                                                                 : QPoint(header->width() / 2, middle);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}
}

void ClickHorizontalHeader(const SearchTableView &table)
{
    ClickSection(table.horizontalHeader(), 0);
}

void ClickVerticalHeader(const SearchTableView &table, int row)
{
    ClickSection(table.verticalHeader(), row);
}

void ClickResultsHeader(const QTableWidget &table, int column)
{
    ClickSection(table.horizontalHeader(), column);
}

void ClickResultRow(const QTableWidget &table, int row)
{
    const QRect cell = table.visualRect(table.model()->index(row, 0));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

QStringList Texts(const google::protobuf::Message &message, const std::string &field)
{
    QStringList texts;
    const google::protobuf::FieldDescriptor *descriptor = message.GetDescriptor()->FindFieldByName(field);
    if (!descriptor || !descriptor->is_repeated())
        return {QStringLiteral("<no repeated field %1>").arg(QString::fromStdString(field))};
    const google::protobuf::Reflection *reflection = message.GetReflection();
    for (int index = 0; index < reflection->FieldSize(message, descriptor); ++index)
        texts << QString::fromStdString(reflection->GetRepeatedString(message, descriptor, index));
    return texts;
}

QStringList FilledTextLists(const google::protobuf::Message &message)
{
    QStringList names;
    const google::protobuf::Descriptor *type = message.GetDescriptor();
    const google::protobuf::Reflection *reflection = message.GetReflection();
    for (int index = 0; index < type->field_count(); ++index) {
        const google::protobuf::FieldDescriptor *field = type->field(index);
        if (field->is_repeated() && field->cpp_type() == google::protobuf::FieldDescriptor::CPPTYPE_STRING
            && reflection->FieldSize(message, field) > 0)
            names << QString::fromStdString(field->name());
    }
    return names;
}

QStringList PresentFields(const google::protobuf::Message &message)
{
    QStringList names;
    const google::protobuf::Descriptor *type = message.GetDescriptor();
    const google::protobuf::Reflection *reflection = message.GetReflection();
    for (int index = 0; index < type->field_count(); ++index) {
        const google::protobuf::FieldDescriptor *field = type->field(index);
        if (!field->is_repeated() && reflection->HasField(message, field))
            names << QString::fromStdString(field->name());
    }
    return names;
}
}
