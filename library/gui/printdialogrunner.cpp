#include "printdialogrunner.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include <utility>

namespace utils
{
namespace
{
PrintDialogRunner &InstalledRunner()
{
    static PrintDialogRunner runner;
    return runner;
}
}

bool RunPrintDialog(QPrinter &printer, QWidget *parent, const QString &title, bool selectionAvailable)
{
    if (const PrintDialogRunner &runner = InstalledRunner())
        return runner(printer, parent, title, selectionAvailable);
    QPrintDialog dialog(&printer, parent);
    if (selectionAvailable)
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogRunner SetPrintDialogRunner(PrintDialogRunner runner)
{
    return std::exchange(InstalledRunner(), std::move(runner));
}
}
