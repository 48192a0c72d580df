#ifndef ABSTRACTCREATEDIALOG_H
#define ABSTRACTCREATEDIALOG_H

#include <QDialog>

class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;

// The form that names something new: a name and a description, OK and Cancel.
// It checks nothing and sends nothing; the caller reads the two texts,
// trimmed at both ends, after OK and decides. Each concrete dialog passes its
// own texts, so that they are looked up under its own class name.
class AbstractCreateDialog : public QDialog
{
    Q_OBJECT

public:
    ~AbstractCreateDialog() override;

    QString name() const;
    QString description() const;

protected:
    AbstractCreateDialog(QWidget *parent, const QString &nameLabel, const QString &descriptionLabel,
                         const QString &title, const QIcon &icon);

    // For the dialogs that fill in or rename the fields of an existing item.
    QLineEdit *nameLineEdit() const;
    QLineEdit *descriptionLineEdit() const;

private:
    QLabel *m_nameLabel;
    QLabel *m_descriptionLabel;
    QLineEdit *m_nameLineEdit;
    QLineEdit *m_descriptionLineEdit;
    QPushButton *m_okPushButton;
    QPushButton *m_cancelPushButton;
};

#endif // ABSTRACTCREATEDIALOG_H
