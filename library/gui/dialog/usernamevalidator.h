#ifndef USERNAMEVALIDATOR_H
#define USERNAMEVALIDATOR_H

#include <QValidator>

// Decides when a new user name may be confirmed: at least 6 characters once
// leading and trailing white space is removed, because the name is sent
// trimmed (and log-on trims what the user types). It never refuses a
// keystroke.
class UserNameValidator : public QValidator
{
public:
    explicit UserNameValidator(QObject *parent);
    ~UserNameValidator() override;

    static constexpr int MinimumLength = 6;

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

#endif // USERNAMEVALIDATOR_H
