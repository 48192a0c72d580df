#ifndef CONFIRMTEXTVALUEDIALOG_H
#define CONFIRMTEXTVALUEDIALOG_H

#include <QDialog>
#include <QLineEdit>

class QLabel;
class QPushButton;
class QValidator;

// Asks for a new value twice (a user name, a password, an e-mail address).
// OK is enabled only while both fields hold the same text and that text
// satisfies the optional validator; the fields show coloured borders while
// they do not. The dialog sends and stores nothing: the caller reads the
// trimmed value after the dialog was accepted.
class ConfirmTextValueDialog : public QDialog
{
    Q_OBJECT

public:
    ConfirmTextValueDialog(QWidget *parent, const QString &title, const QString &firstLabel, const QString &secondLabel,
                           QLineEdit::EchoMode echoMode);
    ~ConfirmTextValueDialog() override;

    // Installs the validator on the first field, once; a second call keeps
    // the first validator. The caller owns the validator (usually by making
    // this dialog its parent).
    void setValidator(const QValidator *validator);

    QString getTextValue() const;

public slots:
    void textEdited(const QString &text);

private:
    void checkValue();

    QLabel *m_firstLabel;
    QLabel *m_secondLabel;
    QLineEdit *m_firstLineEdit;
    QLineEdit *m_secondLineEdit;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};

#endif // CONFIRMTEXTVALUEDIALOG_H
