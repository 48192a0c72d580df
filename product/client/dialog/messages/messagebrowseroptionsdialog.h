#ifndef MESSAGEBROWSEROPTIONSDIALOG_H
#define MESSAGEBROWSEROPTIONSDIALOG_H

#include <QDialog>

class MessageBrowserOptionsDialogGeneralTab;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

// Edits the message browser's one option, its activation mode, kept under
// "MessageBrowser/Options/ActivationMode". The browser asks GetActivationMode
// each time its "Messages" item is selected, so a saved choice applies at
// once, without reopening the browser.
class MessageBrowserOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MessageBrowserOptionsDialog(QWidget *parent);
    ~MessageBrowserOptionsDialog() override;

    // The stored value as it stands, 0 when absent; no range test, so the
    // caller decides what an unknown value means (messagebrowser::ActivationMode).
    static int GetActivationMode();

public slots:
    void saveValues();

private:
    QTabWidget *m_tabWidget;
    QDialogButtonBox *m_buttonBox;
    MessageBrowserOptionsDialogGeneralTab *m_generalTab;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif // MESSAGEBROWSEROPTIONSDIALOG_H
