#include "creategroupdialog.h"

#include "linguist.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CreateGroupDialog::CreateGroupDialog(QWidget *parent)
    : QDialog(parent)
    , m_groupNameLabel(new QLabel(tr("GroupName")))
    , m_groupDescriptionLabel(new QLabel(tr("GroupDescription")))
    , m_groupNameLineEdit(new QLineEdit)
    , m_groupDescriptionLineEdit(new QLineEdit)
    , m_okPushButton(new QPushButton(Linguist::tr("Ok")))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel")))
{
    m_groupNameLineEdit->setObjectName(QStringLiteral("groupNameLineEdit"));
    m_groupDescriptionLineEdit->setObjectName(QStringLiteral("groupDescriptionLineEdit"));
    m_okPushButton->setObjectName(QStringLiteral("okPushButton"));
    m_cancelPushButton->setObjectName(QStringLiteral("cancelPushButton"));

    setWindowTitle(tr("CreateGroupDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/users_add.png")));
    setMinimumWidth(300);

    m_groupNameLabel->setBuddy(m_groupNameLineEdit);
    m_groupDescriptionLabel->setBuddy(m_groupDescriptionLineEdit);

    auto *line = new QFrame;
    line->setFrameStyle(QFrame::HLine | QFrame::Raised);
    line->setMinimumHeight(10);

    auto *fields = new QGridLayout;
    fields->addWidget(m_groupNameLabel, 0, 0);
    fields->addWidget(m_groupNameLineEdit, 0, 1);
    fields->addWidget(m_groupDescriptionLabel, 1, 0);
    fields->addWidget(m_groupDescriptionLineEdit, 1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okPushButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelPushButton);

    auto *layout = new QVBoxLayout;
    layout->addLayout(fields);
    layout->addWidget(line);
    layout->addLayout(buttons);
    setLayout(layout);

    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString CreateGroupDialog::getGroupName() const
{
    return m_groupNameLineEdit->text().trimmed();
}

QString CreateGroupDialog::getGroupDescription() const
{
    return m_groupDescriptionLineEdit->text().trimmed();
}
