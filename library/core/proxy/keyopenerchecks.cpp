#include "keyopenerchecks.h"

#include "cryptographer.h"
#include "keycondition.h"

#include <QCoreApplication>
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

// Without a prompt nobody can be asked, which counts as no answer.
bool AskPasscode(QWidget *window, const PasscodePrompt &askPasscode, std::string &passcode)
{
    const std::optional<QString> answer = askPasscode ? askPasscode(window) : std::nullopt;
    if (!answer)
        return false;
    passcode = answer->toUtf8().toStdString();
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
    // Only the first reason is shown, although several may hold. The texts
    // are shared with the windows above, under the context "Linguist".
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
            ShowWarning(window, QCoreApplication::translate("Linguist", "AccessDenied"),
                        QCoreApplication::translate("Linguist", reason.text));
            return false;
        }
    }
    return true;
}

bool AcceptKeyPasscode(const std::string &storedPasscode, QWidget *window, const PasscodePrompt &askPasscode)
{
    if (storedPasscode.empty())
        return true;
    std::string passcode;
    if (AskPasscode(window, askPasscode, passcode) && Matches(passcode, storedPasscode))
        return true;
    ShowWarning(window, QCoreApplication::translate("Linguist", "PasscodeDialog"),
                QCoreApplication::translate("Linguist", "IncorrectPassword"));
    return false;
}
