#ifndef XVFBDISPLAY_H
#define XVFBDISPLAY_H

#include <string>
#include <sys/types.h>

namespace bench
{
// A virtual X server of its own for the run's child programs, on the first
// free display; stopped again when this goes.
class XvfbDisplay
{
public:
    XvfbDisplay();
    ~XvfbDisplay();

    XvfbDisplay(const XvfbDisplay &) = delete;
    XvfbDisplay &operator=(const XvfbDisplay &) = delete;

    // ":N", or empty when the server did not start.
    const std::string &name() const { return m_name; }

private:
    pid_t m_server = 0;
    std::string m_name;
};
}

#endif // XVFBDISPLAY_H
