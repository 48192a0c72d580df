#ifndef NETWORKSETTINGSDIALOG_H
#define NETWORKSETTINGSDIALOG_H

#include "networkdialog.h"

// The network fields alone, for the console's network-settings command, which
// stores them when the dialog is accepted.
class NetworkSettingsDialog : public NetworkDialog
{
    Q_OBJECT

public:
    explicit NetworkSettingsDialog(QWidget *parent = nullptr);

protected:
    virtual void initialize();
    virtual void initializeWindow();
    virtual void initializeLayout();
};

#endif // NETWORKSETTINGSDIALOG_H
