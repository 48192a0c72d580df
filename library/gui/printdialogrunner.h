#ifndef PRINTDIALOGRUNNER_H
#define PRINTDIALOGRUNNER_H

#include <functional>

class QPrinter;
class QString;
class QWidget;

namespace utils
{
// Runs a print dialog over printer: true when the user accepted it, and the
// printer then holds the user's choices (printer or file, range, copies).
// When selectionAvailable is true the user may choose to print only the
// selection.
using PrintDialogRunner =
    std::function<bool(QPrinter &printer, QWidget *parent, const QString &title, bool selectionAvailable)>;

bool RunPrintDialog(QPrinter &printer, QWidget *parent, const QString &title, bool selectionAvailable);

// Lets a caller (a test) answer in place of the print dialog; an empty function
// brings the dialog back. Returns the runner it replaces.
PrintDialogRunner SetPrintDialogRunner(PrintDialogRunner runner);
}

#endif // PRINTDIALOGRUNNER_H
