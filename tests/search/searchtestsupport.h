#ifndef SEARCHTESTSUPPORT_H
#define SEARCHTESTSUPPORT_H

#include <QDate>
#include <QDialogButtonBox>
#include <QString>
#include <QStringList>

#include <string>

class AbstractSearchEditor;
class QComboBox;
class QDateEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SearchTableView;

namespace google::protobuf
{
class Message;
}

// What the tests of the criteria searches share: reaching into a criteria row
// and a search dialog as a user would, and reading requests by field name.
namespace searchtest
{
AbstractSearchEditor *Editor(const SearchTableView &table, int row);
QComboBox *SubjectBox(const AbstractSearchEditor &editor);
QComboBox *PredicateBox(const AbstractSearchEditor &editor);
QLineEdit *TextField(const AbstractSearchEditor &editor);
QDateEdit *DateField(const AbstractSearchEditor &editor);
QStringList Items(const QComboBox &comboBox);

// Chooses subject and predicate in the row's editor, then enters the text and
// presses Return, or sets the date.
void SetTextCriterion(const SearchTableView &table, int row, int subject, int predicate, const QString &text);
void SetDateCriterion(const SearchTableView &table, int row, int subject, int predicate, const QDate &date);

// The dialog's parts.
SearchTableView *Criteria(const QDialog &dialog);
QTableWidget *Results(const QDialog &dialog);
QPushButton *Button(const QDialog &dialog, QDialogButtonBox::StandardButton button);
QLabel *FailureNotice(const QDialog &dialog);
// Shows the dialog and makes it the active window, so that focus moves as
// it does for a user.
bool ShowActive(QDialog &dialog);

// Clicks a header section as a user would.
void ClickHorizontalHeader(const SearchTableView &table);
void ClickVerticalHeader(const SearchTableView &table, int row);
void ClickResultsHeader(const QTableWidget &table, int column);
// Clicks a result row's first cell (the table toggles a row on each click).
void ClickResultRow(const QTableWidget &table, int row);

// The entries of a repeated string field, and the names of the repeated
// string fields that hold any.
QStringList Texts(const google::protobuf::Message &message, const std::string &field);
QStringList FilledTextLists(const google::protobuf::Message &message);
// The names of the singular fields that are present.
QStringList PresentFields(const google::protobuf::Message &message);
}

#endif // SEARCHTESTSUPPORT_H
