#ifndef MESSAGEBROWSEROPTIONSDIALOGGENERALTAB_H
#define MESSAGEBROWSEROPTIONSDIALOGGENERALTAB_H

#include <QWidget>

class QButtonGroup;
class QRadioButton;

// The general tab of the message-browser options: the activation mode, i.e.
// what the browser lists when its "Messages" item is selected. It shows the
// mode it is given, the stored one, as the dialog reads it.
class MessageBrowserOptionsDialogGeneralTab : public QWidget
{
    Q_OBJECT

public:
    MessageBrowserOptionsDialogGeneralTab(int activationMode, QWidget *parent);
    ~MessageBrowserOptionsDialogGeneralTab() override;

    // The id of the checked choice: 0 all messages, 1 those not in a folder.
    int getActivationMode() const;

private:
    QButtonGroup *m_buttonGroup;
    QRadioButton *m_showAllMessages;
    QRadioButton *m_showMessagesNotAssignedToFolders;
};

#endif // MESSAGEBROWSEROPTIONSDIALOGGENERALTAB_H
