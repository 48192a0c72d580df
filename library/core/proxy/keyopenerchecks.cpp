#include "keyopenerchecks.h"

#include "cryptographer.h"
#include "keycondition.h"
#include "linguist.h"
#include "passcodedialog.h"

#include <QMessageBox>

#include <exception>
#include <optional>

namespace
{
void ShowWarning(QWidget *window, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, window);
    box.exec();
}

// Only the dialog's own Enter with digits counts as an answer.
bool AskPasscode(QWidget *window, std::string &passcode)
{
    PasscodeDialog dialog(window);
    if (QDialog::Accepted != dialog.exec())
        return false;
    passcode = dialog.getPasscode().toUtf8().toStdString();
    return true;
}

bool Matches(const std::string &passcode, const std::string &storedPasscode)
{
    const Cryptographer *cryptographer = CryptographerSingleton::instance();
    const std::optional<std::string> hash = cryptographer->hashPassword(passcode);
    if (!hash) {
        // The Cryptographer's lock was not available: no typed passcode can
        // be shown to match, so the key stays shut.
        qWarning("The passcode could not be hashed; the key is not opened.");
        return false;
    }
    try {
        return cryptographer->decodePassword(*hash, storedPasscode);
    } catch (const std::exception &) {
        // A stored passcode that is not in the stored-password form (it came
        // from the server like that): no typed passcode can be shown to
        // match, so the key stays shut.
        return false;
    }
}
}

bool AcceptKeyConditions(std::uint64_t flags, QWidget *window)
{
    struct Reason
    {
        KeyCondition condition;
        const char *text;
    };
    // Only the first reason is shown, although several may hold.
    static const Reason Reasons[] = {
        {KeyNotActive, QT_TRANSLATE_NOOP("Linguist", "ConditionKeyNotActive")},
        {KeyNotActiveMonth, QT_TRANSLATE_NOOP("Linguist", "ConditionKeyNotActiveMonth")},
        {KeyNotActiveDay, QT_TRANSLATE_NOOP("Linguist", "ConditionKeyNotActiveDay")},
        {KeyNotActiveNow, QT_TRANSLATE_NOOP("Linguist", "ConditionKeyNotActiveNow")},
        {KeyHasExpired, QT_TRANSLATE_NOOP("Linguist", "ConditionKeyHasExpiredDate")},
        {KeyViewPermissionDenied, QT_TRANSLATE_NOOP("Linguist", "ConditionKeyViewPermissionDenied")},
    };
    for (const Reason &reason : Reasons) {
        if (0 != (flags & reason.condition)) {
            ShowWarning(window, Linguist::tr("AccessDenied"), Linguist::tr(reason.text));
            return false;
        }
    }
    return true;
}

bool AcceptKeyPasscode(const std::string &storedPasscode, QWidget *window)
{
    if (storedPasscode.empty())
        return true;
    std::string passcode;
    if (AskPasscode(window, passcode) && Matches(passcode, storedPasscode))
        return true;
    ShowWarning(window, Linguist::tr("PasscodeDialog"), Linguist::tr("IncorrectPassword"));
    return false;
}
