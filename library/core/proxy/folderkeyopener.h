#ifndef FOLDERKEYOPENER_H
#define FOLDERKEYOPENER_H

#include "folderkeyreader.h"
#include "passcodeprompt.h"

class IKeyOpenerWindow;
class QWidget;

// Opens a folder through a key that another user gave: checks the key's
// conditions now and its passcode, tells the user why it refuses, and
// otherwise sends, on the bus through the window, the request that shows the
// folder. The client never clears a folder key's emphasis.
//
// Made on the stack for one opening; the caller keeps the key alive meanwhile.
class FolderKeyOpener
{
public:
    explicit FolderKeyOpener(const qorv::data::FolderKey &folderKey);

    // The window parents the dialogs and sends the request; the prompt asks
    // for the key's passcode if it has one.
    //
    // From a document browser: asks for the keys under the key's folder,
    // which that browser lists in its main pane. True when the request was
    // sent.
    [[nodiscard]] bool open(const IKeyOpenerWindow &documentBrowser, const PasscodePrompt &askPasscode) const;
    // From the folder keys window: asks for a new document browser on the
    // key. True when the request was sent.
    [[nodiscard]] bool openInNewBrowser(const IKeyOpenerWindow &folderKeysWindow,
                                        const PasscodePrompt &askPasscode) const;

private:
    [[nodiscard]] bool validate(QWidget *window, const PasscodePrompt &askPasscode) const;

    FolderKeyReader m_folderKeyReader;
};

#endif // FOLDERKEYOPENER_H
