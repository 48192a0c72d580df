#ifndef ADDURLDIALOG_H
#define ADDURLDIALOG_H

#include <QDialog>

class QLineEdit;
class QPushButton;

// Entry of one new web address and its description. OK stays disabled until
// the address, as the user edited it, is a secure one.
class AddUrlDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AddUrlDialog(QWidget *parent = nullptr);

    QString getUrl() const;
    QString getUrlDescription() const;

private slots:
    void urlEdited(const QString &text);

private:
    QLineEdit *m_urlLineEdit;
    QLineEdit *m_descriptionLineEdit;
    QPushButton *m_okButton;
};

#endif // ADDURLDIALOG_H
