#ifndef CRYPTOLENGTHERROR_H
#define CRYPTOLENGTHERROR_H

#include <stdexcept>
#include <string>

// A pass, stored password or digest has the wrong length.
class CryptoLengthError : public std::length_error
{
public:
    explicit CryptoLengthError(const std::string &what);
    virtual ~CryptoLengthError();
};

#endif // CRYPTOLENGTHERROR_H
