#ifndef WAITCURSOR_H
#define WAITCURSOR_H

namespace utils
{
// Shows the application-wide wait cursor for the lifetime of the object, or
// until restore(). Override cursors nest, so each object pops exactly the one
// it pushed.
class WaitCursor
{
public:
    explicit WaitCursor(bool show);
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    // Puts the previous cursor back now, so that results can be shown before the
    // scope ends; later calls and the destructor do nothing.
    void restore();

private:
    bool m_restored;
};
}

#endif // WAITCURSOR_H
