#include "askpasscode.h"

#include "passcodedialog.h"

std::optional<QString> AskPasscode(QWidget *window)
{
    PasscodeDialog dialog(window);
    if (QDialog::Accepted != dialog.exec())
        return std::nullopt;
    return dialog.getPasscode();
}
