#include "finddialog.h"

#include "utils.h"

#include <QFrame>
#include <QIcon>
#include <QVBoxLayout>

FindDialog::FindDialog(QTextEdit &editor, QWidget *parent)
    : SearchDialog(editor, parent)
{
    initializeLayout();
    connectSignals();
}

void FindDialog::initializeLayout()
{
    setWindowTitle(tr("FindDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("magnifying_glass.png"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createSearchFrame(createFindRow()));
    addOptionRows(layout);
}
