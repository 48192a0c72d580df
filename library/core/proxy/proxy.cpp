#include "proxy.h"

#include <bitset>

namespace
{
using Word = std::bitset<32>;
}

Proxy::~Proxy() = default;

bool Proxy::getBit(unsigned int position, unsigned int bits) const
{
    return Word(bits).test(position);
}

unsigned int Proxy::setBit(unsigned int position, unsigned int bits, bool value) const
{
    return static_cast<unsigned int>(Word(bits).set(position, value).to_ulong());
}
