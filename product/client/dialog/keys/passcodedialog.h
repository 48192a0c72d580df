#ifndef PASSCODEDIALOG_H
#define PASSCODEDIALOG_H

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

// Asks for the passcode of a received key on an on-screen keypad. It only
// collects digits: the key openers hash and check what it returns. Enter with
// digits accepts, Enter with an empty display, the close button and Escape
// reject.
class PasscodeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasscodeDialog(QWidget *parent);
    ~PasscodeDialog() override;

    // What the display showed when Enter was pressed; empty until then.
    const QString &getPasscode() const;
    void setPasscode(const QString &passcode);

private slots:
    void passcode1ButtonClicked(bool checked);
    void passcode2ButtonClicked(bool checked);
    void passcode3ButtonClicked(bool checked);
    void passcode4ButtonClicked(bool checked);
    void passcode5ButtonClicked(bool checked);
    void passcode6ButtonClicked(bool checked);
    void passcode7ButtonClicked(bool checked);
    void passcode8ButtonClicked(bool checked);
    void passcode9ButtonClicked(bool checked);
    void passcode10ButtonClicked(bool checked);
    void passcode11ButtonClicked(bool checked);
    void passcode12ButtonClicked(bool checked);

private:
    void initializeLayout();
    void enterPasscodeDigit(char digit);

    QLineEdit *m_display;
    QString m_passcode;
    QPushButton *m_passcode1Button;
    QPushButton *m_passcode2Button;
    QPushButton *m_passcode3Button;
    QPushButton *m_passcode4Button;
    QPushButton *m_passcode5Button;
    QPushButton *m_passcode6Button;
    QPushButton *m_passcode7Button;
    QPushButton *m_passcode8Button;
    QPushButton *m_passcode9Button;
    QPushButton *m_passcode10Button;
    QPushButton *m_passcode11Button;
    QPushButton *m_passcode12Button;
};

#endif // PASSCODEDIALOG_H
