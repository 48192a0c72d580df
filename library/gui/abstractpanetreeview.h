#ifndef ABSTRACTPANETREEVIEW_H
#define ABSTRACTPANETREEVIEW_H

#include "icomponent.h"

#include <QTreeView>

// A QTreeView that is a member of the component bus. No pane is linked to the
// bus today: a pane and its window talk through the pane's own signals and
// slots, and only the window joins the bus.
class AbstractPaneTreeView : public QTreeView, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractPaneTreeView(QWidget *parent = nullptr);

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

#endif // ABSTRACTPANETREEVIEW_H
