#include "urllistwidget.h"

#include "url.h"

#include <QAbstractItemModel>

UrlListWidget::UrlListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setSortingEnabled(true);
    setAcceptDrops(false);
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, &UrlListWidget::forgetRows);
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_texts.clear(); });
}

UrlListWidget::~UrlListWidget()
{
    // The model empties itself after this list's members are gone.
    disconnect(model(), nullptr, this, nullptr);
}

void UrlListWidget::addUrl(const Url &url)
{
    const QString text = url.toString();
    if (m_texts.contains(text))
        return;
    auto *item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    item->setData(Qt::StatusTipRole, url.getDescription());
    addItem(item);
    m_texts.insert(text);
}

void UrlListWidget::forgetRows(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid())
        return;
    for (int row = first; row <= last; ++row)
        m_texts.remove(item(row)->text());
}
