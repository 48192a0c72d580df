#ifndef NETWORKDIALOG_H
#define NETWORKDIALOG_H

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The three network fields (server name, server port, default time zone) with
// OK and Cancel, filled from the stored network settings. It lays nothing out:
// each dialog built on it arranges these widgets its own way. Nothing is
// validated or stored on OK; the caller decides what to do with the values.
class NetworkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NetworkDialog(QWidget *parent = nullptr);

    // The server name without leading and trailing white space.
    QString getServerName() const;
    // Always within 1024..65535: the spin box allows nothing else.
    int getServerPort() const;
    // A region id of the zone table.
    QString getDefaultTimeZone() const;

protected:
    QLabel *m_serverNameLabel;
    QLabel *m_serverPortLabel;
    QLabel *m_defaultTimeZoneLabel;
    QLineEdit *m_serverNameLineEdit;
    QSpinBox *m_serverPortSpinBox;
    QComboBox *m_defaultTimeZoneComboBox;
    QPushButton *m_okPushButton;
    QPushButton *m_cancelPushButton;

private:
    void fillFromSettings();
};

#endif // NETWORKDIALOG_H
