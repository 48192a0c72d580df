#ifndef OPENSSLRUNTIMEERROR_H
#define OPENSSLRUNTIMEERROR_H

#include <stdexcept>
#include <string>

// A libcrypto call failed; what() names the call.
class OpenSSLRuntimeError : public std::runtime_error
{
public:
    explicit OpenSSLRuntimeError(const std::string &function);
    virtual ~OpenSSLRuntimeError();
};

#endif // OPENSSLRUNTIMEERROR_H
