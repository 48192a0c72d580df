#ifndef CREATEMESSAGEDIALOGGENERALTAB_H
#define CREATEMESSAGEDIALOGGENERALTAB_H

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace qorv::data
{
class Message;
}

// The subject of a new message and whether it is to be read-only. The tab
// only relays what the user does; the dialog decides what the subject is
// worth, and the permission tabs what read-only means for them.
class CreateMessageDialogGeneralTab : public QWidget
{
    Q_OBJECT

public:
    // The message is the caller's and outlives the tab.
    explicit CreateMessageDialogGeneralTab(qorv::data::Message *message, QWidget *parent = nullptr);

signals:
    void messageSubjectTextEdited(const QString &text);
    void messageReadOnlyStateChanged(int state);

private:
    qorv::data::Message *m_message;
    QLineEdit *m_messageSubjectLineEdit;
    QCheckBox *m_messageReadOnlyCheckBox;
};

#endif // CREATEMESSAGEDIALOGGENERALTAB_H
