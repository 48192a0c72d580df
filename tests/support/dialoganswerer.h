#ifndef DIALOGANSWERER_H
#define DIALOGANSWERER_H

#include <QDialogButtonBox>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QTimer;
class QWidget;

namespace testsupport
{
// Answers the modal dialogs that the code under test opens, one queued answer
// per dialog, in order. Queue the answers, then run the code: while it lives,
// the answerer polls for the active modal widget, records its title and text,
// and presses the queued button (or runs the queued action).
//
//     testsupport::DialogAnswerer answerer;
//     answerer.expect(QMessageBox::No);
//     window.close();                       // asks, is answered No
//     QCOMPARE(answerer.seen().at(0).text, QStringLiteral("..."));
//
// A modal dialog for which no answer is queued fails the running test at once:
// it is recorded as unexpected and closed (rejected), so the code under test
// goes on instead of waiting for a click that never comes. While no answerer
// lives, the ModalDialogGuard of every test program does the same, so a test
// that expects no dialog needs no answerer; with one, sawNoDialog() also
// catches a dialog that was shown without an event loop of its own.
class DialogAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString className;       // the dialog's class, e.g. "QMessageBox"
        QString title;           // windowTitle()
        QString text;            // QMessageBox::text(), QInputDialog::labelText(), else empty
        QString informativeText; // QMessageBox::informativeText(), else empty
        bool answered = false;   // false when the queued button was not found, or nothing was queued
        bool expected = true;    // false when nothing was queued for it
    };
    using Action = std::function<void(QWidget *)>;

    explicit DialogAnswerer(QObject *parent = nullptr);
    ~DialogAnswerer() override;

    // Presses this button of the next modal dialog (a message box's own button,
    // else the button of the dialog's button box). When the dialog has no such
    // button it is rejected instead, so a test never hangs, and the miss is
    // recorded.
    void expect(QMessageBox::StandardButton button);
    void expect(QDialogButtonBox::StandardButton button);
    // Runs action on the next modal dialog; the action must end the dialog.
    void expect(Action action);

    int pending() const;
    // Every dialog in the order it came, the unexpected ones included.
    const QList<Seen> &seen() const;
    QList<Seen> unexpected() const;
    QString lastTitle() const;
    QString lastText() const;
    // Waits, processing events, until every queued answer was used.
    bool waitForAll(int timeoutMs = 5000) const;
    // Handles the events already posted and looks for a modal dialog now
    // (one shown without an event loop of its own is caught only here), then
    // tells whether no dialog came at all.
    bool sawNoDialog();

    // Whether any answerer lives now: without one, the process-wide
    // ModalDialogGuard fails the test on a modal dialog.
    static bool anyAlive();
    // What a dialog shows, and ending it without an answer (rejected, or
    // closed when it is no QDialog).
    static Seen describe(QWidget *dialog);
    static void dismiss(QWidget *dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void poll();
    void refuse(QWidget *dialog);
    static bool press(QWidget *dialog, int button);

    QTimer *m_timer;
    QList<Action> m_queue;
    QList<Seen> m_seen;
    QPointer<QWidget> m_lastAnswered;
};
}

#endif // DIALOGANSWERER_H
