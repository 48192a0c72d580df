#include "abstractcreatedialog.h"

#include "linguist.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AbstractCreateDialog::AbstractCreateDialog(QWidget *parent, const QString &nameLabel, const QString &descriptionLabel,
                                           const QString &title, const QIcon &icon)
    : QDialog(parent)
    , m_nameLabel(new QLabel(nameLabel))
    , m_descriptionLabel(new QLabel(descriptionLabel))
    , m_nameLineEdit(new QLineEdit)
    , m_descriptionLineEdit(new QLineEdit)
    , m_okPushButton(new QPushButton(Linguist::tr("Ok")))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel")))
{
    m_nameLineEdit->setObjectName(QStringLiteral("nameLineEdit"));
    m_descriptionLineEdit->setObjectName(QStringLiteral("descriptionLineEdit"));
    m_okPushButton->setObjectName(QStringLiteral("okPushButton"));
    m_cancelPushButton->setObjectName(QStringLiteral("cancelPushButton"));

    setWindowTitle(title);
    setWindowIcon(icon);
    setMinimumWidth(480);

    m_nameLabel->setBuddy(m_nameLineEdit);
    m_descriptionLabel->setBuddy(m_descriptionLineEdit);

    auto *rule = new QFrame;
    rule->setFrameStyle(QFrame::HLine | QFrame::Raised);
    rule->setMinimumHeight(10);

    auto *fields = new QGridLayout;
    fields->addWidget(m_nameLabel, 0, 0);
    fields->addWidget(m_nameLineEdit, 0, 1);
    fields->addWidget(m_descriptionLabel, 1, 0);
    fields->addWidget(m_descriptionLineEdit, 1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okPushButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelPushButton);

    auto *layout = new QVBoxLayout;
    layout->addLayout(fields);
    layout->addWidget(rule);
    layout->addLayout(buttons);
    setLayout(layout);

    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

AbstractCreateDialog::~AbstractCreateDialog() = default;

QString AbstractCreateDialog::name() const
{
    return m_nameLineEdit->text().trimmed();
}

QString AbstractCreateDialog::description() const
{
    return m_descriptionLineEdit->text().trimmed();
}

QLineEdit *AbstractCreateDialog::nameLineEdit() const
{
    return m_nameLineEdit;
}

QLineEdit *AbstractCreateDialog::descriptionLineEdit() const
{
    return m_descriptionLineEdit;
}
