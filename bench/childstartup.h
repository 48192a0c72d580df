#ifndef CHILDSTARTUP_H
#define CHILDSTARTUP_H

#include <string>

namespace bench
{
// Starts a program on the X server at display with the first-paint probe on,
// in a home folder of its own, and returns the seconds from the start of the
// process to its report of a painted window (on X, a window is painted once it
// is mapped and exposed); a negative value when it never reported. The
// program is then left to end by itself and reaped.
double SecondsToFirstPaint(const std::string &program, const std::string &home, const std::string &display);
}

#endif // CHILDSTARTUP_H
