#include "standindocumentkeysview.h"

StandInDocumentKeysView::StandInDocumentKeysView(QWidget *parent)
    : AbstractViewWindow(parent)
{
}
