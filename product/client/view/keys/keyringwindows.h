#ifndef KEYRINGWINDOWS_H
#define KEYRINGWINDOWS_H

#include "abstractkeypanetreewidget.h"
#include "dbid.h"
#include "listfillguard.h"
#include "showonbus.h"
#include "viewwindowlookup.h"

#include <QString>

#include <string>

// Keyring windows, at most one per document or folder, as both keyring
// managers open, raise and close them. Keyring describes one kind of keyring:
//
//   View, SelectRequest, SelectReply  the window and the select exchange
//   id(const View &)                  the document or folder of a window
//   id(const SelectRequest &),        the document or folder that a select
//   name(const SelectRequest &)       asks the keys of
//   addKeys(View &, const SelectReply &)  hands the reply's keys to a window

template <class Keyring>
bool KeyringViewExists(int id, ViewWindowAction action)
{
    using View = typename Keyring::View;
    return ApplyToViewWindows<View>(
        id, [](const View &keyring) { return Keyring::id(keyring); }, action);
}

// For the successful select reply tagged for the keyring: opens the keyring
// of the document or folder that the echoed request names, holding the keys
// of the reply, or brings the open one to the front.
template <class Keyring>
void OpenKeyring(const IViewWindowBus &viewWindowBus, const std::string &request, const std::string &reply)
{
    typename Keyring::SelectRequest selectRequest;
    if (!selectRequest.ParseFromString(request))
        return;
    const int id = Keyring::id(selectRequest);
    if (KeyringViewExists<Keyring>(id, ViewWindowAction::Raise))
        return;
    // A keyring built from a failed select would pass off the missing keys as
    // a document or folder without keys.
    typename Keyring::SelectReply selectReply;
    if (!selectReply.ParseFromString(reply) || selectReply.sql_diag_rec().sqlc() != 0)
        return;
    auto *keyring = new typename Keyring::View(id, QString::fromStdString(Keyring::name(selectRequest)), nullptr);
    {
        // The pane fits its columns once, after the last key.
        const ListFillGuard fill(keyring->template findChild<AbstractKeyPaneTreeWidget *>(),
                                 ListFillGuard::ResizeColumnsToContents);
        Keyring::addKeys(*keyring, selectReply);
    }
    ShowOnBus(viewWindowBus, keyring);
}

// Closes the keyrings of a deleted document or folder; the null id names none.
template <class Keyring>
void CloseKeyrings(const DbId &id)
{
    if (!id.null())
        KeyringViewExists<Keyring>(id, ViewWindowAction::Close);
}

#endif // KEYRINGWINDOWS_H
