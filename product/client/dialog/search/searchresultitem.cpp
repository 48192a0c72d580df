#include "searchresultitem.h"

#include "dbtimestamp.h"

#include <QString>
#include <QTableWidgetItem>

namespace search
{
QTableWidgetItem *ResultItem(const std::string &text)
{
    auto *item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidgetItem *ResultDateItem(const std::string &databaseText)
{
    return ResultItem(DbTimestamp(databaseText).toLocalRfcString(DbTimestamp::TimeZonePtr()));
}
}
