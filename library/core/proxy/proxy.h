#ifndef PROXY_H
#define PROXY_H

// The root of the typed readers and writers over the records: it names no
// bits itself but reads and changes one bit of a record's 32-bit set. A
// position of 32 or more raises std::out_of_range and changes nothing.
class Proxy
{
public:
    Proxy() = default;
    virtual ~Proxy();

    bool getBit(unsigned int position, unsigned int bits) const;
    // Returns the new word; storing it is the writer's business.
    unsigned int setBit(unsigned int position, unsigned int bits, bool value) const;

protected:
    Proxy(const Proxy &) = default;
    Proxy &operator=(const Proxy &) = default;
};

#endif // PROXY_H
