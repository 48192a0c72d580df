#ifndef DBINT_H
#define DBINT_H

// An integer column whose null value is 0.
class DbInt
{
public:
    DbInt(int value);
    DbInt(const DbInt &) = default;
    DbInt &operator=(const DbInt &) = default;
    DbInt &operator=(int value);
    ~DbInt() = default;

    bool operator==(int value) const;

    bool null() const;
    void voidCol();

    operator int() const;
    // Lets a caller change the value in place, as it would a plain int.
    operator int &();
    DbInt *operator&();
    const DbInt *operator&() const;

private:
    int m_value;
};

#endif // DBINT_H
