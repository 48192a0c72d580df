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
};

#endif // DOCUMENTSEARCHDELEGATE_H
