#include "dbint.h"

DbInt::DbInt(int value)
    : m_value(value)
{
}

DbInt &DbInt::operator=(int value)
{
    m_value = value;
    return *this;
}

bool DbInt::operator==(int value) const
{
    return m_value == value;
}

bool DbInt::null() const
{
    return m_value == 0;
}

void DbInt::voidCol()
{
    m_value = 0;
}

DbInt::operator int() const
{
    return m_value;
}

DbInt::operator int &()
{
    return m_value;
}

DbInt *DbInt::operator&()
{
    return this;
}

const DbInt *DbInt::operator&() const
{
    return this;
}
