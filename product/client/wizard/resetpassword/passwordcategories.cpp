#include "passwordcategories.h"

#include <QRegularExpression>

namespace
{
bool ContainsSymbol(const QString &text)
{
    const QString symbols = PasswordCategories::Symbols();
    for (const QChar c : text) {
        if (symbols.contains(c, Qt::CaseSensitive))
            return true;
    }
    return false;
}
}

PasswordCategories::PasswordCategories(const QString &text)
{
    static const QRegularExpression Lowercase(QStringLiteral("[a-z]"));
    static const QRegularExpression Uppercase(QStringLiteral("[A-Z]"));
    static const QRegularExpression Digit(QStringLiteral("[0-9]"));
    m_length = text.size() >= MinimumLength;
    m_lowercase = text.contains(Lowercase);
    m_uppercase = text.contains(Uppercase);
    m_digit = text.contains(Digit);
    m_symbol = ContainsSymbol(text);
}

int PasswordCategories::optionalCategories() const
{
    return int(m_lowercase) + int(m_uppercase) + int(m_digit) + int(m_symbol);
}

bool PasswordCategories::isStrongEnough() const
{
    return m_length && optionalCategories() >= MinimumOptionalCategories;
}

QString PasswordCategories::Symbols()
{
    QString symbols;
    const auto append = [&symbols](char first, char last) {
        for (char c = first; c <= last; ++c)
            symbols.append(QLatin1Char(c));
    };
    append(0x21, 0x21);
    append(0x23, 0x26);
    append(0x28, 0x2F);
    append(0x3A, 0x40);
    append(0x5B, 0x60);
    append(0x7B, 0x7E);
    return symbols;
}
