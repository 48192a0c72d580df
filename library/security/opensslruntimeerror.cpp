#include "opensslruntimeerror.h"

OpenSSLRuntimeError::OpenSSLRuntimeError(const std::string &function)
    : std::runtime_error(function)
{
}

OpenSSLRuntimeError::~OpenSSLRuntimeError() = default;
