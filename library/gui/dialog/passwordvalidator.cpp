#include "passwordvalidator.h"

#include <QRegularExpression>

PasswordValidator::PasswordValidator(QObject *parent)
    : QValidator(parent)
{
}

PasswordValidator::~PasswordValidator() = default;

QValidator::State PasswordValidator::validate(QString &input, int &) const
{
    static const QRegularExpression LowerCaseLetter(QStringLiteral("[a-z]"));
    const QString sent = input.trimmed();
    if (sent != input)
        return Intermediate;
    return sent.size() >= MinimumLength && sent.contains(LowerCaseLetter) ? Acceptable : Intermediate;
}

void PasswordValidator::fixup(QString &input) const
{
    input = input.trimmed();
}
