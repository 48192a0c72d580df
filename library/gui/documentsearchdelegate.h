#ifndef DOCUMENTSEARCHDELEGATE_H
#define DOCUMENTSEARCHDELEGATE_H

#include "abstractsearchdelegate.h"

// The delegate of the document criteria: each row gets a DocumentSearchEditor.
class DocumentSearchDelegate : public AbstractSearchDelegate
{
    Q_OBJECT

public:
    explicit DocumentSearchDelegate(QObject *parent);
    ~DocumentSearchDelegate() override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};

#endif // DOCUMENTSEARCHDELEGATE_H
