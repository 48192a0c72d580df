#include "documentsearchdelegate.h"

#include "documentsearcheditor.h"

DocumentSearchDelegate::DocumentSearchDelegate(QObject *parent)
    : AbstractSearchDelegate(create<DocumentSearchEditor>, parent)
{
}

DocumentSearchDelegate::~DocumentSearchDelegate() = default;
