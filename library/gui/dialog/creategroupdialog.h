#ifndef CREATEGROUPDIALOG_H
#define CREATEGROUPDIALOG_H

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for a new user group's name and description. It validates nothing and
// sends nothing: the caller reads the trimmed values after OK and decides.
class CreateGroupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CreateGroupDialog(QWidget *parent = nullptr);

    QString getGroupName() const;
    QString getGroupDescription() const;

protected:
    QLabel *m_groupNameLabel;
    QLabel *m_groupDescriptionLabel;
    QLineEdit *m_groupNameLineEdit;
    QLineEdit *m_groupDescriptionLineEdit;
    QPushButton *m_okPushButton;
    QPushButton *m_cancelPushButton;
};

#endif // CREATEGROUPDIALOG_H
