#ifndef SEARCHRESULTITEM_H
#define SEARCHRESULTITEM_H

#include <string>

class QTableWidgetItem;

namespace search
{
// A read-only result cell showing a UTF-8 text.
QTableWidgetItem *ResultItem(const std::string &text);

// A read-only result cell showing a database time text in the machine's local
// time, "%Y-%m-%d %H:%M:%S", so that sorting the texts sorts by time; blank
// when the text is not a valid timestamp.
QTableWidgetItem *ResultDateItem(const std::string &databaseText);
}

#endif // SEARCHRESULTITEM_H
