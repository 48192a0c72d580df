#ifndef PASSWORDVALIDATOR_H
#define PASSWORDVALIDATOR_H

#include <QValidator>

// Decides when a new password may be confirmed: at least 8 characters, at
// least one lower-case ASCII letter, and no white space at either end. Log-on
// trims the password the user types, so a password stored with surrounding
// blanks could never be entered again; refusing it keeps the checked text and
// the sent text the same. It never refuses a keystroke.
class PasswordValidator : public QValidator
{
public:
    explicit PasswordValidator(QObject *parent);
    ~PasswordValidator() override;

    static constexpr int MinimumLength = 8;

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

#endif // PASSWORDVALIDATOR_H
