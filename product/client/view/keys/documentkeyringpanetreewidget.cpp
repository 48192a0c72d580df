#include "documentkeyringpanetreewidget.h"

#include "documentkeyrowtraits.h"
#include "itemrole.h"
#include "keyringpanerows.h"

namespace
{
using Rows = KeyringPaneRows<DocumentKeyRowTraits>;
}

DocumentKeyringPaneTreeWidget::DocumentKeyringPaneTreeWidget(QWidget *parent)
    : AbstractKeyPaneTreeWidget(parent, Rows::headerLabels(), RowKindRole,
                                DocumentKeyRowTraits::subtrees(Rows::ActiveColumn))
{
    connect(this, &QTreeWidget::itemClicked, this, &DocumentKeyringPaneTreeWidget::documentKeyChanged);
}

DocumentKeyringPaneTreeWidget::~DocumentKeyringPaneTreeWidget() = default;

void DocumentKeyringPaneTreeWidget::addDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    Rows::add(this, documentKey);
}

void DocumentKeyringPaneTreeWidget::updateDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    Rows::update(this, documentKey);
}

void DocumentKeyringPaneTreeWidget::revertDocumentKey(const qorv::data::DocumentKey &documentKeyBase)
{
    Rows::update(this, documentKeyBase);
}

void DocumentKeyringPaneTreeWidget::deleteDocumentKey(int userId)
{
    delete Rows::findKeyRow(this, userId);
}

void DocumentKeyringPaneTreeWidget::documentKeyChanged(QTreeWidgetItem *item, int column)
{
    Rows::tick(this, item, column);
}

bool IsDocumentKeyTreeWidgetItem(const QTreeWidgetItem *item)
{
    return Rows::isKeyRow(item);
}

QTreeWidgetItem *GetDocumentKeyTreeWidgetItem(QTreeWidgetItem *item)
{
    return Rows::keyRow(item);
}

qorv::data::DocumentKey GetDocumentKey(QTreeWidgetItem *item)
{
    return Rows::editedKey(item);
}

qorv::data::DocumentKey GetDocumentKeyBase(QTreeWidgetItem *item)
{
    return Rows::baseKey(item);
}
