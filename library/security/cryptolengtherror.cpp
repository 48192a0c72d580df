#include "cryptolengtherror.h"

CryptoLengthError::CryptoLengthError(const std::string &what)
    : std::length_error(what)
{
}

CryptoLengthError::~CryptoLengthError() = default;
