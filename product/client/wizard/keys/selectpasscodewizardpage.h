#ifndef SELECTPASSCODEWIZARDPAGE_H
#define SELECTPASSCODEWIZARDPAGE_H

#include <QString>
#include <QWizardPage>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QState;
class QStateMachine;

// Whether a key carries a passcode and, if so, the passcode typed twice on
// an on-screen keypad (fields "noPasscode", "passcode", "passcodeIsValid").
// A state machine leads the user through entering, re-entering and
// confirming; only the keypad can type, and neither the display nor a key
// ever takes the focus. Hashing the passcode is the wizard's work.
class SelectPasscodeWizardPage : public QWizardPage
{
    Q_OBJECT
    Q_PROPERTY(QString passcode READ getPasscode WRITE setPasscode)
    Q_PROPERTY(bool passcodeIsValid READ getPasscodeIsValid WRITE setPasscodeIsValid)

public:
    explicit SelectPasscodeWizardPage(QWidget *parent);
    ~SelectPasscodeWizardPage() override;

    QString getPasscode() const;
    void setPasscode(const QString &passcode);
    bool getPasscodeIsValid() const;
    void setPasscodeIsValid(bool passcodeIsValid);

    // The fields return to their first values on the way back; the machine
    // follows them to "no passcode", so that the keypad works on the return.
    void cleanupPage() override;
    bool validatePage() override;

signals:
    void validPasscodeEntered();
    void invalidPasscodeEntered();
    void validPasscodeReentered();
    void invalidPasscodeReentered();
    void passcodeCleared();

public slots:
    void passcode1ButtonClicked(bool checked);
    void passcode2ButtonClicked(bool checked);
    void passcode3ButtonClicked(bool checked);
    void passcode4ButtonClicked(bool checked);
    void passcode5ButtonClicked(bool checked);
    void passcode6ButtonClicked(bool checked);
    void passcode7ButtonClicked(bool checked);
    void passcode8ButtonClicked(bool checked);
    void passcode9ButtonClicked(bool checked);
    void passcode11ButtonClicked(bool checked);
    void passcode12ButtonClicked(bool checked);
    void validatingEnteredPasscode();
    void validatingReenteredPasscode();

private:
    void initializeLayout();
    void initializeStateMachine();
    void assignStateProperties();
    void addStateTransitions();
    void connectStateSignalsToSlots();
    void enterPasscodeDigit(char digit);
    void warn(const QString &text);

    QRadioButton *m_noPasscodeRadioButton;
    QRadioButton *m_passcodeRadioButton;
    QLabel *m_promptLabel;
    QLineEdit *m_display;
    QString m_passcode;
    bool m_passcodeIsValid = false;
    std::array<QPushButton *, 12> m_keys;
    QStateMachine *m_stateMachine;
    // Owned by the machine once added to it.
    QState *m_noPasscodeState;
    QState *m_passcodeState;
    QState *m_enterPasscodeState;
    QState *m_validatingPasscodeState;
    QState *m_reenterPasscodeState;
    QState *m_validatingReenteredPasscodeState;
    QState *m_passcodeEnteredState;
};

#endif // SELECTPASSCODEWIZARDPAGE_H
