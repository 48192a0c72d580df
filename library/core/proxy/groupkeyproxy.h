#ifndef GROUPKEYPROXY_H
#define GROUPKEYPROXY_H

// The base of the group-key reader. A group key has no bit that the client
// reads, so it names none and needs no bit operations.
class GroupKeyProxy
{
public:
    GroupKeyProxy() = default;
    virtual ~GroupKeyProxy();

protected:
    GroupKeyProxy(const GroupKeyProxy &) = default;
    GroupKeyProxy &operator=(const GroupKeyProxy &) = default;
};

#endif // GROUPKEYPROXY_H
