#include "modaldialogguard.h"

#include "dialoganswerer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace testsupport
{
ModalDialogGuard::ModalDialogGuard(QObject *parent)
    : QObject(parent)
{
}

bool ModalDialogGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        // Looked at once the dialog's own event loop runs: closing it while it
        // is being shown would end it before its loop starts, and the loop
        // would then wait for ever.
        if (widget->isWindow() && widget->isModal()) {
            QMetaObject::invokeMethod(
                this, [dialog = QPointer<QWidget>(widget)] { refuse(dialog); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalDialogGuard::refuse(QWidget *dialog)
{
    if (!dialog || !dialog->isVisible() || !dialog->isModal() || DialogAnswerer::anyAlive())
        return;
    const DialogAnswerer::Seen seen = DialogAnswerer::describe(dialog);
    DialogAnswerer::dismiss(dialog);
    const QString message = QStringLiteral("Modal dialog %1 \"%2\": %3 came up with no DialogAnswerer to answer it")
                                .arg(seen.className, seen.title, seen.text);
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    else
        qCritical("%s", qPrintable(message));
}
}

namespace
{
void InstallModalDialogGuard()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new testsupport::ModalDialogGuard(application));
}
}

Q_COREAPP_STARTUP_FUNCTION(InstallModalDialogGuard)
