#include "dialoganswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEvent>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testsupport
{
namespace
{
// A test may keep one answerer while it queues answers on a second; a dialog
// counts as unexpected only when none of them has an answer for it.
QList<const DialogAnswerer *> &LiveAnswerers()
{
    static QList<const DialogAnswerer *> answerers;
    return answerers;
}

bool AnotherHasAnAnswer(const DialogAnswerer *asking)
{
    for (const DialogAnswerer *answerer : LiveAnswerers()) {
        if (answerer != asking && answerer->pending() > 0)
            return true;
    }
    return false;
}
}

DialogAnswerer::DialogAnswerer(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    // Always on: a dialog nobody expected must be caught as surely as one that
    // was.
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &DialogAnswerer::poll);
    m_timer->start();
    LiveAnswerers().append(this);
}

DialogAnswerer::~DialogAnswerer()
{
    LiveAnswerers().removeOne(this);
}

void DialogAnswerer::expect(QMessageBox::StandardButton button)
{
    expect(static_cast<QDialogButtonBox::StandardButton>(static_cast<int>(button)));
}

void DialogAnswerer::expect(QDialogButtonBox::StandardButton button)
{
    const int which = static_cast<int>(button);
    expect(Action([this, which](QWidget *dialog) {
        if (press(dialog, which))
            return;
        m_seen.last().answered = false;
        dismiss(dialog);
    }));
}

void DialogAnswerer::expect(Action action)
{
    m_queue.append(std::move(action));
}

int DialogAnswerer::pending() const
{
    return m_queue.size();
}

const QList<DialogAnswerer::Seen> &DialogAnswerer::seen() const
{
    return m_seen;
}

QList<DialogAnswerer::Seen> DialogAnswerer::unexpected() const
{
    QList<Seen> result;
    for (const Seen &seen : m_seen) {
        if (!seen.expected)
            result.append(seen);
    }
    return result;
}

QString DialogAnswerer::lastTitle() const
{
    return m_seen.isEmpty() ? QString() : m_seen.last().title;
}

QString DialogAnswerer::lastText() const
{
    return m_seen.isEmpty() ? QString() : m_seen.last().text;
}

bool DialogAnswerer::waitForAll(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!m_queue.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return m_queue.isEmpty();
}

bool DialogAnswerer::anyAlive()
{
    return !LiveAnswerers().isEmpty();
}

bool DialogAnswerer::sawNoDialog()
{
    QCoreApplication::processEvents();
    poll();
    return m_seen.isEmpty();
}

void DialogAnswerer::poll()
{
    QWidget *dialog = QApplication::activeModalWidget();
    // A dialog that was just answered may stay on screen for a moment while it
    // closes; it counts as new again once it has been hidden.
    if (!dialog || !dialog->isVisible() || dialog == m_lastAnswered)
        return;
    if (m_queue.isEmpty() && AnotherHasAnAnswer(this))
        return;
    m_lastAnswered = dialog;
    dialog->installEventFilter(this);
    if (m_queue.isEmpty()) {
        refuse(dialog);
        return;
    }
    const Action action = m_queue.takeFirst();
    Seen seen = describe(dialog);
    seen.answered = true;
    m_seen.append(seen);
    action(dialog);
}

void DialogAnswerer::refuse(QWidget *dialog)
{
    Seen seen = describe(dialog);
    seen.expected = false;
    m_seen.append(seen);
    dismiss(dialog);
    const QString message =
        QStringLiteral("Unexpected modal dialog %1 \"%2\": %3").arg(seen.className, seen.title, seen.text);
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

bool DialogAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched == m_lastAnswered) {
        watched->removeEventFilter(this);
        m_lastAnswered = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

DialogAnswerer::Seen DialogAnswerer::describe(QWidget *dialog)
{
    Seen seen;
    seen.className = QString::fromLatin1(dialog->metaObject()->className());
    seen.title = dialog->windowTitle();
    if (const auto *box = qobject_cast<QMessageBox *>(dialog)) {
        seen.text = box->text();
        seen.informativeText = box->informativeText();
    } else if (const auto *input = qobject_cast<QInputDialog *>(dialog)) {
        seen.text = input->labelText();
    }
    return seen;
}

bool DialogAnswerer::press(QWidget *dialog, int button)
{
    QAbstractButton *target = nullptr;
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        target = box->button(static_cast<QMessageBox::StandardButton>(button));
    if (!target) {
        for (QDialogButtonBox *buttons : dialog->findChildren<QDialogButtonBox *>()) {
            target = buttons->button(static_cast<QDialogButtonBox::StandardButton>(button));
            if (target)
                break;
        }
    }
    if (!target)
        return false;
    target->click();
    return true;
}

void DialogAnswerer::dismiss(QWidget *dialog)
{
    if (auto *plain = qobject_cast<QDialog *>(dialog))
        plain->reject();
    else
        dialog->close();
}
}
