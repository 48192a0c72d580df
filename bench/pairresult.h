#ifndef PAIRRESULT_H
#define PAIRRESULT_H

#include <string>
#include <vector>

namespace bench
{
// What one pair measured, for the closing table. Times in seconds.
struct PairResult
{
    std::string name;
    int rounds = 0;
    double projectMedian = 0;
    double bareMedian = 0;
    double ratioMedian = 0;
    double ratioLowerQuartile = 0;
    double ratioUpperQuartile = 0;
    double ratioMin = 0;
    double ratioMax = 0;
    // Heap bytes a filled round keeps, per record; negative when not measured.
    double projectBytesPerRecord = -1;
    double bareBytesPerRecord = -1;
};

// Every pair that ran, in the order they ran.
std::vector<PairResult> &PairResults();
}

#endif // PAIRRESULT_H
