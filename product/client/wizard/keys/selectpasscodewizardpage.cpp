#include "selectpasscodewizardpage.h"

#include "linguist.h"
#include "utils.h"
#include "wizardpagewidgets.h"

#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QState>
#include <QStateMachine>
#include <QVBoxLayout>
#include <QWizard>

namespace
{
const QString Black = QStringLiteral("QLabel {color : black; }");
const QString Red = QStringLiteral("QLabel {color : red; }");

enum Key
{
    Key1,
    Key2,
    Key3,
    Key4,
    Key5,
    Key6,
    Key7,
    Key8,
    Key9,
    EnterKey,
    Key0,
    DeleteKey
};
}

SelectPasscodeWizardPage::SelectPasscodeWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_noPasscodeRadioButton(new QRadioButton(this))
    , m_passcodeRadioButton(new QRadioButton(this))
    , m_promptLabel(new QLabel(this))
    , m_display(new QLineEdit(this))
{
    for (QPushButton *&key : m_keys)
        key = new QPushButton(this);
    m_stateMachine = new QStateMachine(this);
    m_noPasscodeState = new QState;
    m_passcodeState = new QState;
    m_enterPasscodeState = new QState(m_passcodeState);
    m_validatingPasscodeState = new QState(m_passcodeState);
    m_reenterPasscodeState = new QState(m_passcodeState);
    m_validatingReenteredPasscodeState = new QState(m_passcodeState);
    m_passcodeEnteredState = new QState(m_passcodeState);

    setTitle(tr("SelectPasscodeWizardPageTitle"));
    setSubTitle(tr("SelectPasscodeWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/lock3.png")));
    registerField(QStringLiteral("noPasscode"), m_noPasscodeRadioButton, "checked");
    registerField(QStringLiteral("passcode"), this, "passcode");
    registerField(QStringLiteral("passcodeIsValid"), this, "passcodeIsValid");
    initializeLayout();
    initializeStateMachine();
}

SelectPasscodeWizardPage::~SelectPasscodeWizardPage() = default;

QString SelectPasscodeWizardPage::getPasscode() const
{
    return m_passcode;
}

void SelectPasscodeWizardPage::setPasscode(const QString &passcode)
{
    if (passcode != m_passcode)
        m_passcode = passcode;
}

bool SelectPasscodeWizardPage::getPasscodeIsValid() const
{
    return m_passcodeIsValid;
}

void SelectPasscodeWizardPage::setPasscodeIsValid(bool passcodeIsValid)
{
    if (passcodeIsValid != m_passcodeIsValid)
        m_passcodeIsValid = passcodeIsValid;
}

void SelectPasscodeWizardPage::cleanupPage()
{
    QWizardPage::cleanupPage();
    emit passcodeCleared();
}

bool SelectPasscodeWizardPage::validatePage()
{
    if (m_noPasscodeRadioButton->isChecked())
        return true;
    if (m_display->text().isEmpty()) {
        warn(tr("PasscodeCannotBeEmptyWarning"));
        return false;
    }
    if (m_display->text() == m_passcode) {
        // The second entry matches the first: confirmed, with Enter or not.
        setPasscodeIsValid(true);
        return true;
    }
    warn(tr("PasscodesDoNotMatchWarning"));
    return false;
}

void SelectPasscodeWizardPage::passcode1ButtonClicked(bool)
{
    enterPasscodeDigit('1');
}

void SelectPasscodeWizardPage::passcode2ButtonClicked(bool)
{
    enterPasscodeDigit('2');
}

void SelectPasscodeWizardPage::passcode3ButtonClicked(bool)
{
    enterPasscodeDigit('3');
}

void SelectPasscodeWizardPage::passcode4ButtonClicked(bool)
{
    enterPasscodeDigit('4');
}

void SelectPasscodeWizardPage::passcode5ButtonClicked(bool)
{
    enterPasscodeDigit('5');
}

void SelectPasscodeWizardPage::passcode6ButtonClicked(bool)
{
    enterPasscodeDigit('6');
}

void SelectPasscodeWizardPage::passcode7ButtonClicked(bool)
{
    enterPasscodeDigit('7');
}

void SelectPasscodeWizardPage::passcode8ButtonClicked(bool)
{
    enterPasscodeDigit('8');
}

void SelectPasscodeWizardPage::passcode9ButtonClicked(bool)
{
    enterPasscodeDigit('9');
}

void SelectPasscodeWizardPage::passcode11ButtonClicked(bool)
{
    enterPasscodeDigit('0');
}

void SelectPasscodeWizardPage::passcode12ButtonClicked(bool)
{
    QString text = m_display->text();
    if (!text.isEmpty()) {
        text.chop(1);
        m_display->setText(text);
    }
}

void SelectPasscodeWizardPage::validatingEnteredPasscode()
{
    const QString entered = m_display->text();
    if (!entered.isEmpty()) {
        m_passcode = entered;
        emit validPasscodeEntered();
        return;
    }
    warn(tr("PasscodeCannotBeEmptyWarning"));
    m_passcode.clear();
    emit invalidPasscodeEntered();
}

void SelectPasscodeWizardPage::validatingReenteredPasscode()
{
    if (m_display->text() != m_passcode) {
        warn(tr("PasscodesDoNotMatchWarning"));
        m_passcodeIsValid = false;
        emit invalidPasscodeReentered();
        return;
    }
    m_passcodeIsValid = true;
    emit validPasscodeReentered();
}

void SelectPasscodeWizardPage::initializeLayout()
{
    m_noPasscodeRadioButton->setObjectName(QStringLiteral("noPasscodeRadioButton"));
    m_passcodeRadioButton->setObjectName(QStringLiteral("passcodeRadioButton"));
    m_promptLabel->setObjectName(QStringLiteral("promptLabel"));
    m_display->setObjectName(QStringLiteral("display"));
    m_noPasscodeRadioButton->setText(tr("NoPasscode"));
    m_passcodeRadioButton->setText(tr("Passcode"));
    m_noPasscodeRadioButton->setChecked(true);

    // Digits come only from the keypad.
    m_display->setReadOnly(true);
    m_display->setEchoMode(QLineEdit::Password);
    m_display->setAlignment(Qt::AlignHCenter);
    m_display->setFocusPolicy(Qt::NoFocus);

    struct KeyCap
    {
        const char *label;
        int row;
        int column;
        void (SelectPasscodeWizardPage::*slot)(bool);
    };
    const std::array<KeyCap, 12> caps = {{
        {QT_TRANSLATE_NOOP("Linguist", "P01BL"), 0, 0, &SelectPasscodeWizardPage::passcode1ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P02BL"), 0, 1, &SelectPasscodeWizardPage::passcode2ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P03BL"), 0, 2, &SelectPasscodeWizardPage::passcode3ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P04BL"), 1, 0, &SelectPasscodeWizardPage::passcode4ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P05BL"), 1, 1, &SelectPasscodeWizardPage::passcode5ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P06BL"), 1, 2, &SelectPasscodeWizardPage::passcode6ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P07BL"), 2, 0, &SelectPasscodeWizardPage::passcode7ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P08BL"), 2, 1, &SelectPasscodeWizardPage::passcode8ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P09BL"), 2, 2, &SelectPasscodeWizardPage::passcode9ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P10BL"), 3, 0, nullptr},
        {QT_TRANSLATE_NOOP("Linguist", "P11BL"), 3, 1, &SelectPasscodeWizardPage::passcode11ButtonClicked},
        {QT_TRANSLATE_NOOP("Linguist", "P12BL"), 3, 2, &SelectPasscodeWizardPage::passcode12ButtonClicked},
    }};
    QFont font;
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    auto *keypad = new QGridLayout;
    for (std::size_t index = 0; index < caps.size(); ++index) {
        QPushButton *key = m_keys[index];
        key->setObjectName(QStringLiteral("passcode%1Button").arg(index + 1));
        key->setText(Linguist::tr(caps[index].label));
        key->setFont(font);
        key->setFocusPolicy(Qt::NoFocus);
        // Enter drives the state machine instead.
        if (caps[index].slot != nullptr)
            connect(key, &QPushButton::clicked, this, caps[index].slot);
        keypad->addWidget(key, caps[index].row, caps[index].column);
    }
    m_keys[EnterKey]->setIcon(utils::ActionIcon("ok.png"));
    m_keys[DeleteKey]->setIcon(utils::ActionIcon("delete.png"));

    auto *inner = new QVBoxLayout;
    inner->addWidget(m_display);
    inner->addLayout(keypad);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_noPasscodeRadioButton);
    layout->addWidget(m_passcodeRadioButton);
    layout->addWidget(wizardpage::CreateSeparatorLine(this));
    layout->addWidget(m_promptLabel);
    layout->addLayout(inner);
}

void SelectPasscodeWizardPage::initializeStateMachine()
{
    assignStateProperties();
    addStateTransitions();
    connectStateSignalsToSlots();
    m_stateMachine->addState(m_noPasscodeState);
    m_stateMachine->addState(m_passcodeState);
    m_passcodeState->setInitialState(m_enterPasscodeState);
    m_stateMachine->setInitialState(m_noPasscodeState);
    m_stateMachine->start();
}

void SelectPasscodeWizardPage::assignStateProperties()
{
    auto showKeys = [this](QState *state, bool visible) {
        for (QPushButton *key : m_keys)
            state->assignProperty(key, "visible", visible);
    };

    m_noPasscodeState->assignProperty(this, "passcode", QString());
    m_noPasscodeState->assignProperty(this, "passcodeIsValid", false);
    m_noPasscodeState->assignProperty(m_promptLabel, "visible", false);
    m_noPasscodeState->assignProperty(m_promptLabel, "styleSheet", Black);
    m_noPasscodeState->assignProperty(m_display, "visible", false);
    showKeys(m_noPasscodeState, false);

    m_passcodeState->assignProperty(m_promptLabel, "visible", true);
    m_passcodeState->assignProperty(m_promptLabel, "styleSheet", Black);
    m_passcodeState->assignProperty(m_display, "visible", true);
    showKeys(m_passcodeState, true);

    m_enterPasscodeState->assignProperty(m_display, "text", QString());
    m_enterPasscodeState->assignProperty(m_promptLabel, "styleSheet", Black);
    m_enterPasscodeState->assignProperty(m_promptLabel, "text", tr("EnterPasscode"));

    m_validatingPasscodeState->assignProperty(m_promptLabel, "text", tr("ValidatingPasscode"));
    m_validatingPasscodeState->assignProperty(m_promptLabel, "styleSheet", Black);

    m_reenterPasscodeState->assignProperty(m_promptLabel, "text", tr("ReenterPasscode"));
    m_reenterPasscodeState->assignProperty(m_promptLabel, "styleSheet", Red);
    m_reenterPasscodeState->assignProperty(m_display, "text", QString());

    m_validatingReenteredPasscodeState->assignProperty(m_promptLabel, "text", tr("ValidatingReenteredPasscode"));
    m_validatingReenteredPasscodeState->assignProperty(m_promptLabel, "styleSheet", Black);

    m_passcodeEnteredState->assignProperty(m_promptLabel, "text", tr("PasscodeHasBeenEntered"));
    m_passcodeEnteredState->assignProperty(m_promptLabel, "styleSheet", Black);
    m_passcodeEnteredState->assignProperty(m_display, "visible", false);
    showKeys(m_passcodeEnteredState, false);
}

void SelectPasscodeWizardPage::addStateTransitions()
{
    m_noPasscodeState->addTransition(m_passcodeRadioButton, &QRadioButton::pressed, m_passcodeState);
    m_passcodeState->addTransition(m_noPasscodeRadioButton, &QRadioButton::pressed, m_noPasscodeState);
    m_passcodeState->addTransition(this, &SelectPasscodeWizardPage::passcodeCleared, m_noPasscodeState);
    m_enterPasscodeState->addTransition(m_keys[EnterKey], &QPushButton::clicked, m_validatingPasscodeState);
    m_validatingPasscodeState->addTransition(this, &SelectPasscodeWizardPage::validPasscodeEntered,
                                             m_reenterPasscodeState);
    m_validatingPasscodeState->addTransition(this, &SelectPasscodeWizardPage::invalidPasscodeEntered,
                                             m_enterPasscodeState);
    m_reenterPasscodeState->addTransition(m_keys[EnterKey], &QPushButton::clicked, m_validatingReenteredPasscodeState);
    m_validatingReenteredPasscodeState->addTransition(this, &SelectPasscodeWizardPage::validPasscodeReentered,
                                                      m_passcodeEnteredState);
    m_validatingReenteredPasscodeState->addTransition(this, &SelectPasscodeWizardPage::invalidPasscodeReentered,
                                                      m_reenterPasscodeState);
}

void SelectPasscodeWizardPage::connectStateSignalsToSlots()
{
    connect(m_validatingPasscodeState, &QState::entered, this, &SelectPasscodeWizardPage::validatingEnteredPasscode);
    connect(m_validatingReenteredPasscodeState, &QState::entered, this,
            &SelectPasscodeWizardPage::validatingReenteredPasscode);
}

void SelectPasscodeWizardPage::enterPasscodeDigit(char digit)
{
    m_display->setText(m_display->text() + QLatin1Char(digit));
}

void SelectPasscodeWizardPage::warn(const QString &text)
{
    QMessageBox::warning(this, Linguist::tr("Warning"), text, QMessageBox::Ok);
}
