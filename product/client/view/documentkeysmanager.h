#ifndef DOCUMENTKEYSMANAGER_H
#define DOCUMENTKEYSMANAGER_H

#include "abstractviewmanager.h"

class ApplicationComponent;

// Opens a new window of the document keys given to the user on every request
// (-27), whatever its minor opcode; any number of them may be open.
class DocumentKeysManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit DocumentKeysManager(ApplicationComponent *applicationComponent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    ApplicationComponent *const m_applicationComponent;
};

#endif // DOCUMENTKEYSMANAGER_H
