#ifndef ABSTRACTPANELISTWIDGET_H
#define ABSTRACTPANELISTWIDGET_H

#include "icomponent.h"

#include <QListWidget>

// A QListWidget that is a member of the component bus. No pane is linked to the
// bus today: a pane and its window talk through the pane's own signals and
// slots, and only the window joins the bus.
class AbstractPaneListWidget : public QListWidget, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractPaneListWidget(QWidget *parent = nullptr);

    // The selected item when exactly one is selected, else null.
    QListWidgetItem *getSelectedListWidgetItem() const;

signals:
    void deliverEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string());
    void deliverReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string());
    void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string());

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

protected:
    QWidget *m_parentWidget; // the owning window; not owned
};

#endif // ABSTRACTPANELISTWIDGET_H
