#ifndef DOCUMENTBROWSERMANAGER_H
#define DOCUMENTBROWSERMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Opens document browsers: a plain new browser on the request (-26, 1), and
// one new browser per folder key on (-26, -36), which the folder-key opener
// sends once a key's conditions are met; each of those opens its key. Other
// minor opcodes of -26 open nothing. Browsers are never reused.
class DocumentBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    DocumentBrowserManager(const IViewWindowBus &viewWindowBus, QObject *parent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    void openDocumentBrowser() const;
    void openFolderKeys(const std::string &request) const;

    const IViewWindowBus &m_viewWindowBus;
};

#endif // DOCUMENTBROWSERMANAGER_H
