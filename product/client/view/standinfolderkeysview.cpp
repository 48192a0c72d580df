#include "standinfolderkeysview.h"

StandInFolderKeysView::StandInFolderKeysView(QWidget *parent)
    : AbstractViewWindow(parent)
{
}
