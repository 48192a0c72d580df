#include "passcodedialog.h"

#include <QFont>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PasscodeDialog::PasscodeDialog(QWidget *parent)
    : QDialog(parent)
    , m_display(new QLineEdit(this))
    , m_passcode1Button(new QPushButton(this))
    , m_passcode2Button(new QPushButton(this))
    , m_passcode3Button(new QPushButton(this))
    , m_passcode4Button(new QPushButton(this))
    , m_passcode5Button(new QPushButton(this))
    , m_passcode6Button(new QPushButton(this))
    , m_passcode7Button(new QPushButton(this))
    , m_passcode8Button(new QPushButton(this))
    , m_passcode9Button(new QPushButton(this))
    , m_passcode10Button(new QPushButton(this))
    , m_passcode11Button(new QPushButton(this))
    , m_passcode12Button(new QPushButton(this))
{
    initializeLayout();
}

PasscodeDialog::~PasscodeDialog() = default;

const QString &PasscodeDialog::getPasscode() const
{
    return m_passcode;
}

void PasscodeDialog::setPasscode(const QString &passcode)
{
    if (passcode != m_passcode)
        m_passcode = passcode.trimmed();
}

void PasscodeDialog::initializeLayout()
{
    setWindowTitle(tr("PasscodeDialog"));

    QFont font(QStringLiteral("Courier"), 12, QFont::Normal, false);

    struct Key
    {
        QPushButton *button;
        const char *label;
        int row;
        int column;
        void (PasscodeDialog::*slot)(bool);
    };
    const Key keys[] = {
        {m_passcode1Button, QT_TR_NOOP("P01BL"), 0, 0, &PasscodeDialog::passcode1ButtonClicked},
        {m_passcode2Button, QT_TR_NOOP("P02BL"), 0, 1, &PasscodeDialog::passcode2ButtonClicked},
        {m_passcode3Button, QT_TR_NOOP("P03BL"), 0, 2, &PasscodeDialog::passcode3ButtonClicked},
        {m_passcode4Button, QT_TR_NOOP("P04BL"), 1, 0, &PasscodeDialog::passcode4ButtonClicked},
        {m_passcode5Button, QT_TR_NOOP("P05BL"), 1, 1, &PasscodeDialog::passcode5ButtonClicked},
        {m_passcode6Button, QT_TR_NOOP("P06BL"), 1, 2, &PasscodeDialog::passcode6ButtonClicked},
        {m_passcode7Button, QT_TR_NOOP("P07BL"), 2, 0, &PasscodeDialog::passcode7ButtonClicked},
        {m_passcode8Button, QT_TR_NOOP("P08BL"), 2, 1, &PasscodeDialog::passcode8ButtonClicked},
        {m_passcode9Button, QT_TR_NOOP("P09BL"), 2, 2, &PasscodeDialog::passcode9ButtonClicked},
        {m_passcode10Button, QT_TR_NOOP("P10BL"), 3, 0, &PasscodeDialog::passcode10ButtonClicked},
        {m_passcode11Button, QT_TR_NOOP("P11BL"), 3, 1, &PasscodeDialog::passcode11ButtonClicked},
        {m_passcode12Button, QT_TR_NOOP("P12BL"), 3, 2, &PasscodeDialog::passcode12ButtonClicked},
    };

    auto *keypad = new QGridLayout;
    for (const Key &key : keys) {
        key.button->setFont(font);
        key.button->setText(tr(key.label));
        connect(key.button, &QPushButton::clicked, this, key.slot);
        keypad->addWidget(key.button, key.row, key.column);
    }

    // Digits come only from the keypad.
    m_display->setReadOnly(true);
    m_display->setEchoMode(QLineEdit::Password);
    m_display->setAlignment(Qt::AlignHCenter);
    m_display->setFocusPolicy(Qt::NoFocus);

    auto *inner = new QVBoxLayout;
    inner->addWidget(m_display);
    inner->addLayout(keypad);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(inner);
}

void PasscodeDialog::enterPasscodeDigit(char digit)
{
    m_display->setText(m_display->text() + QLatin1Char(digit));
}

void PasscodeDialog::passcode1ButtonClicked(bool)
{
    enterPasscodeDigit('1');
}

void PasscodeDialog::passcode2ButtonClicked(bool)
{
    enterPasscodeDigit('2');
}

void PasscodeDialog::passcode3ButtonClicked(bool)
{
    enterPasscodeDigit('3');
}

void PasscodeDialog::passcode4ButtonClicked(bool)
{
    enterPasscodeDigit('4');
}

void PasscodeDialog::passcode5ButtonClicked(bool)
{
    enterPasscodeDigit('5');
}

void PasscodeDialog::passcode6ButtonClicked(bool)
{
    enterPasscodeDigit('6');
}

void PasscodeDialog::passcode7ButtonClicked(bool)
{
    enterPasscodeDigit('7');
}

void PasscodeDialog::passcode8ButtonClicked(bool)
{
    enterPasscodeDigit('8');
}

void PasscodeDialog::passcode9ButtonClicked(bool)
{
    enterPasscodeDigit('9');
}

void PasscodeDialog::passcode10ButtonClicked(bool)
{
    m_passcode = m_display->text();
    if (m_passcode.isEmpty())
        reject();
    else
        accept();
}

void PasscodeDialog::passcode11ButtonClicked(bool)
{
    enterPasscodeDigit('0');
}

void PasscodeDialog::passcode12ButtonClicked(bool)
{
    QString text = m_display->text();
    if (!text.isEmpty()) {
        text.chop(1);
        m_display->setText(text);
    }
}
