#ifndef MODALDIALOGGUARD_H
#define MODALDIALOGGUARD_H

#include <QObject>

class QWidget;

namespace testsupport
{
// Installed in every test program (qorv_add_test links it in): a modal dialog
// that is still up once the event loop comes round to it, while no
// DialogAnswerer lives, would wait for a click that never comes. It fails the
// running test at once and is closed (rejected), as an answerer treats a
// dialog it did not expect. A dialog that the test itself ends within that
// turn of the event loop is no hang and passes.
class ModalDialogGuard : public QObject
{
    Q_OBJECT

public:
    explicit ModalDialogGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void refuse(QWidget *dialog);
};
}

#endif // MODALDIALOGGUARD_H
