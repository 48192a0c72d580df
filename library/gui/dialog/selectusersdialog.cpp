#include "selectusersdialog.h"

#include "selectuserswidget.h"
#include "utils.h"

#include "users3.pb.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

SelectUsersDialog::SelectUsersDialog(QWidget *parent)
    : QDialog(parent)
    , m_selectUsersWidget(new SelectUsersWidget(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset))
{
    setWindowTitle(tr("SelectUsersDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("users.png"));
    setMinimumSize(800, 600);

    auto *line = new QFrame;
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumHeight(10);

    auto *layout = new QVBoxLayout;
    layout->addLayout(m_selectUsersWidget->getLayout());
    layout->addWidget(line);
    layout->addWidget(m_buttonBox);
    setLayout(layout);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttonBox->button(QDialogButtonBox::Reset), &QPushButton::clicked, m_selectUsersWidget,
            &SelectUsersWidget::init);
}

void SelectUsersDialog::addUser(const qorv::data::User &user)
{
    m_selectUsersWidget->addUser(user);
}

void SelectUsersDialog::addExcludedUser(int userId)
{
    m_selectUsersWidget->addExcludedUser(userId);
}

void SelectUsersDialog::addExcludedUserGroup(int userGroupId)
{
    m_selectUsersWidget->addExcludedUserGroup(userGroupId);
}

void SelectUsersDialog::addExcludedHomeGroup(int groupId)
{
    m_selectUsersWidget->addExcludedHomeGroup(groupId);
}

qorv::data::Users SelectUsersDialog::selectedUsers() const
{
    return m_selectUsersWidget->selectedUsers();
}

void SelectUsersDialog::init()
{
    m_selectUsersWidget->init();
}
