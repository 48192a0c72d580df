#ifndef KEYRULECHANGES_H
#define KEYRULECHANGES_H

#include "keyrules.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

// The key change commands of the keyring windows: each runs its wizard
// modally over the window, for the key of the named user of the named
// document or folder, and tells what to write into the key. Nothing comes
// back when the wizard was cancelled or its choice cannot be used; the key
// must then stay as it is and nothing be sent.
namespace keyrulechanges
{
// The daily hours, or no restriction ("00:00:00" twice, no region). Hours
// that do not run forwards from one time to a later one in a named region
// are no usable choice.
std::optional<keyrules::ActiveHours> ActiveHours(const QString &name, const QString &user, QWidget *window);

// The seconds of a session, 0 for no limit.
std::optional<int> SessionDuration(const QString &name, const QString &user, QWidget *window);

// The stored expiration: the UTC date on which the chosen local day begins.
std::optional<std::string> ExpirationDate(const QString &name, const QString &user, QWidget *window);

// The stored form of the passcode, or the empty text for none. A passcode
// that was not confirmed, or that cannot be hashed now, is no usable choice.
std::optional<std::string> Password(const QString &name, const QString &user, QWidget *window);

// The revision a document key shows: the maximum timestamp for the current
// one, else the start of the chosen revision as the revision list holds it.
std::optional<std::string> DocumentRevision(const QString &name, const QString &user, QWidget *window, int documentId);
}

#endif // KEYRULECHANGES_H
