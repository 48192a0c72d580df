#ifndef PASSWORDCATEGORIES_H
#define PASSWORDCATEGORIES_H

#include <QString>

// Which of the password rules a candidate new password meets. The text is
// taken as it stands (untrimmed); lengths count UTF-16 code units. A password
// is strong enough with the length and at least three of the four optional
// categories.
class PasswordCategories
{
public:
    static constexpr int MinimumLength = 6;
    static constexpr int MinimumOptionalCategories = 3;

    explicit PasswordCategories(const QString &text);

    bool hasLength() const { return m_length; }
    bool hasLowercase() const { return m_lowercase; }
    bool hasUppercase() const { return m_uppercase; }
    bool hasDigit() const { return m_digit; }
    bool hasSymbol() const { return m_symbol; }
    int optionalCategories() const;
    bool isStrongEnough() const;

    // The 30 printable ASCII punctuation characters that count as symbols, in
    // ascending order: all but the blank, the double quote and the apostrophe.
    static QString Symbols();

private:
    bool m_length;
    bool m_lowercase;
    bool m_uppercase;
    bool m_digit;
    bool m_symbol;
};

#endif // PASSWORDCATEGORIES_H
