#ifndef DOCUMENTKEYOPENER_H
#define DOCUMENTKEYOPENER_H

#include "documentkeyreader.h"
#include "passcodeprompt.h"

#include <QWidget>

class IKeyOpenerWindow;

// Opens a document through a key that another user gave: checks the key's
// conditions now and its passcode, tells the user why it refuses, and
// otherwise asks, on the bus through the window, for the key whose reply
// makes the document editor open the document under the key's rules. The
// key's emphasis is cleared on the server afterwards.
//
// Made on the stack for one opening; the caller keeps the key alive meanwhile.
class DocumentKeyOpener : public QWidget
{
public:
    explicit DocumentKeyOpener(const qorv::data::DocumentKey &documentKey);
    ~DocumentKeyOpener() override;

    // The window (the document browser, the document keys window or the
    // message reader) parents the dialogs and sends the requests; the prompt
    // asks for the key's passcode if it has one. Returns only after the
    // dialogs and the whole request and reply handling; true when the key's
    // select request was sent.
    [[nodiscard]] bool open(const IKeyOpenerWindow &window, const PasscodePrompt &askPasscode) const;

private:
    DocumentKeyReader m_documentKeyReader;
};

#endif // DOCUMENTKEYOPENER_H
