#include "confirmtextvaluedialog.h"

#include "linguist.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace
{
const QString UnacceptableValueStyle = QStringLiteral("border: 1px solid yellow;");
const QString UnconfirmedValueStyle = QStringLiteral("border: 1px solid red;");
}

ConfirmTextValueDialog::ConfirmTextValueDialog(QWidget *parent, const QString &title, const QString &firstLabel,
                                               const QString &secondLabel, QLineEdit::EchoMode echoMode)
    : QDialog(parent)
    , m_firstLabel(new QLabel(firstLabel))
    , m_secondLabel(new QLabel(secondLabel))
    , m_firstLineEdit(new QLineEdit)
    , m_secondLineEdit(new QLineEdit)
    , m_okButton(new QPushButton(Linguist::tr("Ok")))
    , m_cancelButton(new QPushButton(Linguist::tr("Cancel")))
{
    m_firstLineEdit->setObjectName(QStringLiteral("valueLineEdit"));
    m_secondLineEdit->setObjectName(QStringLiteral("confirmationLineEdit"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    setMinimumWidth(400);
    setWindowTitle(title);

    auto *form = new QFormLayout;
    form->addRow(m_firstLabel, m_firstLineEdit);
    form->addRow(m_secondLabel, m_secondLineEdit);

    auto *line = new QFrame;
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumHeight(10);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(line);
    layout->addLayout(buttons);

    m_firstLineEdit->setEchoMode(echoMode);
    m_secondLineEdit->setEchoMode(echoMode);
    m_okButton->setEnabled(false);

    connect(m_firstLineEdit, &QLineEdit::textEdited, this, &ConfirmTextValueDialog::textEdited);
    connect(m_secondLineEdit, &QLineEdit::textEdited, this, &ConfirmTextValueDialog::textEdited);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

ConfirmTextValueDialog::~ConfirmTextValueDialog() = default;

void ConfirmTextValueDialog::setValidator(const QValidator *validator)
{
    if (m_firstLineEdit->validator())
        return;
    m_firstLineEdit->setValidator(validator);
    // textChanged rather than textEdited: the border must follow programmatic
    // changes (a fix-up) as well as typing.
    connect(m_firstLineEdit, &QLineEdit::textChanged, this, &ConfirmTextValueDialog::checkValue);
}

QString ConfirmTextValueDialog::getTextValue() const
{
    return m_firstLineEdit->text().trimmed();
}

void ConfirmTextValueDialog::textEdited(const QString &)
{
    if (m_secondLineEdit->text() != m_firstLineEdit->text()) {
        m_secondLineEdit->setStyleSheet(UnconfirmedValueStyle);
        m_okButton->setEnabled(false);
        return;
    }
    // The second field has no validator, so this is the first field's verdict.
    // An equal pair that the validator does not accept leaves the red border
    // and the disabled OK of the last mismatch as they are.
    if (m_firstLineEdit->hasAcceptableInput() && m_secondLineEdit->hasAcceptableInput()) {
        m_secondLineEdit->setStyleSheet(styleSheet());
        m_okButton->setEnabled(true);
    }
}

void ConfirmTextValueDialog::checkValue()
{
    const QValidator *validator = m_firstLineEdit->validator();
    if (!validator)
        return;
    QString text = m_firstLineEdit->text();
    int position = 0;
    if (validator->validate(text, position) == QValidator::Acceptable)
        m_firstLineEdit->setStyleSheet(styleSheet());
    else
        m_firstLineEdit->setStyleSheet(UnacceptableValueStyle);
}
