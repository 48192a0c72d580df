#include "urllistwidget.h"

#include "url.h"

UrlListWidget::UrlListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setSortingEnabled(true);
    setAcceptDrops(false);
}

void UrlListWidget::addUrl(const Url &url)
{
    const QString text = url.toString();
    if (!findItems(text, Qt::MatchFixedString | Qt::MatchCaseSensitive).isEmpty())
        return;
    auto *item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    item->setData(Qt::StatusTipRole, url.getDescription());
    addItem(item);
}
