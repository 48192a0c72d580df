#ifndef ABSTRACTCONSOLEVIEW_H
#define ABSTRACTCONSOLEVIEW_H

#include "abstractviewwindow.h"

class QAction;
class QCloseEvent;
class QTextEdit;

// What any console needs: the log-on, log-off, network-settings, view-log and
// About commands, the event log that shows audit lines while it is switched
// on, and the two modes, logged off and logged on. How a log-on and a log-off
// are carried out is the concrete console's business; closing the window runs
// the log-off and closes only when the log-off goes ahead.
class AbstractConsoleView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit AbstractConsoleView(QWidget *parent = nullptr);

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;

    virtual bool logOn() = 0;
    virtual bool logOff() = 0;
    virtual void networkSettings();
    virtual void toggleViewLog(bool checked);

protected:
    virtual void initializeLogTextEdit();
    // Shows the message box of the log-on reply's error codes, if any.
    virtual void authenticateUserReplyHandler(int majorOpcode, int minorOpcode, const std::string &request,
                                              int majorErcode, int minorErcode, const std::string &reply);

    void initializeMode();
    void initializeWindow();
    void initializeStandardToolBar();

    void closeEvent(QCloseEvent *event) override;

    QAction *m_logOnAction;
    QAction *m_logOffAction;
    QAction *m_networkSettingsAction;
    QAction *m_viewLogAction;
    QAction *m_aboutAction;
    QTextEdit *m_logTextEdit;
    const int m_loggedOffMode;
    const int m_loggedOnMode;

private:
    void setLogBaseColor(const QColor &color);
};

#endif // ABSTRACTCONSOLEVIEW_H
