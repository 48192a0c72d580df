#include "dbid.h"

DbId::DbId(int id)
    : m_id(id)
{
}

DbId &DbId::operator=(int id)
{
    m_id = id;
    return *this;
}

bool DbId::operator==(int id) const
{
    return m_id == id;
}

bool DbId::operator!=(int id) const
{
    return m_id != id;
}

bool DbId::null() const
{
    return m_id == m_NullId;
}

void DbId::voidCol()
{
    m_id = m_NullId;
}

DbId::operator int() const
{
    return m_id;
}

DbId *DbId::operator&()
{
    return this;
}

const DbId *DbId::operator&() const
{
    return this;
}
