#ifndef DBID_H
#define DBID_H

#include <limits>

// A record id as the server stores it. The most negative integer marks an id
// that is not set; the one above it marks the root of a tree (a record that
// has no parent).
class DbId
{
public:
    static constexpr int m_NullId = std::numeric_limits<int>::min();
    static constexpr int m_RootId = std::numeric_limits<int>::min() + 1;

    DbId(int id);
    DbId(const DbId &) = default;
    DbId &operator=(const DbId &) = default;
    DbId &operator=(int id);
    ~DbId() = default;

    bool operator==(int id) const;
    bool operator!=(int id) const;

    bool null() const;
    void voidCol();

    operator int() const;
    DbId *operator&();
    const DbId *operator&() const;

private:
    int m_id;
};

#endif // DBID_H
