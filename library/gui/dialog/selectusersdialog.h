#ifndef SELECTUSERSDIALOG_H
#define SELECTUSERSDIALOG_H

#include <QDialog>

class QDialogButtonBox;
class SelectUsersWidget;

namespace qorv::data
{
class User;
class Users;
}

// The user picker in a modal dialog with OK, Cancel and Reset. The caller sets
// the preselected and the excluded users first, then calls init() and exec(),
// and reads selectedUsers() after OK. OK stays enabled with nobody picked: a
// caller may take an empty choice as "nobody".
class SelectUsersDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SelectUsersDialog(QWidget *parent = nullptr);

    void addUser(const qorv::data::User &user);
    void addExcludedUser(int userId);
    void addExcludedUserGroup(int userGroupId);
    void addExcludedHomeGroup(int groupId);
    qorv::data::Users selectedUsers() const;

public slots:
    void init();

private:
    SelectUsersWidget *m_selectUsersWidget;
    QDialogButtonBox *m_buttonBox;
};

#endif // SELECTUSERSDIALOG_H
