#ifndef MESSAGEVIEWER_H
#define MESSAGEVIEWER_H

#include "textreader.h"

#include <QPointer>
#include <QString>

#include <utility>

namespace qorv::data
{
class Message;
}

// The read-only view in which the message windows show a message together
// with the messages it answers, and the building of that chain as one HTML
// text. The four filter flags (copied to the clipboard, exported to a text
// file, exported to a PDF file, printed) each narrow the chain to the messages
// whose authors allow that use.
//
// The view is made without a parent: the deriving window puts it into its
// layout, which then owns it. Only a view that no window adopted is deleted
// here.
class MessageViewer
{
public:
    MessageViewer();
    virtual ~MessageViewer();

    MessageViewer(const MessageViewer &) = delete;
    MessageViewer &operator=(const MessageViewer &) = delete;

    // Whether the author lets the message be viewed and, for each filter
    // that is on, used that way.
    static bool canDisplayMessage(const qorv::data::Message &message, bool filterEditCopy, bool filterExportToTextFile,
                                  bool filterExportToPdfFile, bool filterPrint);

    // The whole chain (the message, when it may be shown, then the messages it
    // answers) and the chain of its parents alone, as the server has them
    // now. The blocks are joined by rules; a chain of nothing is empty.
    static std::pair<QString, QString> getMessageChain(const qorv::data::Message &message, bool filterEditCopy,
                                                       bool filterExportToTextFile, bool filterExportToPdfFile,
                                                       bool filterPrint);

    // Shows the whole chain in the view, in place of what it showed.
    void displayMessageChain(const qorv::data::Message &message, bool filterEditCopy, bool filterExportToTextFile,
                             bool filterExportToPdfFile, bool filterPrint);

protected:
    // Deletes a widget that was made for the window but never laid out.
    template <class Widget>
    static void deleteUnadopted(const QPointer<Widget> &widget)
    {
        if (widget && !widget->parent())
            delete widget.data();
    }

    QPointer<TextReader> m_textReader;
};

#endif // MESSAGEVIEWER_H
