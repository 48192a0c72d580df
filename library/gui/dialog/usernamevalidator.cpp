#include "usernamevalidator.h"

UserNameValidator::UserNameValidator(QObject *parent)
    : QValidator(parent)
{
}

UserNameValidator::~UserNameValidator() = default;

QValidator::State UserNameValidator::validate(QString &input, int &) const
{
    // Blanks around the name would count towards the length but never reach
    // the server.
    return input.trimmed().size() >= MinimumLength ? Acceptable : Intermediate;
}

void UserNameValidator::fixup(QString &input) const
{
    input = input.trimmed();
}
