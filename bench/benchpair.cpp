#include "benchpair.h"

#include <utility>

namespace bench
{
Pair RegisterPair(const std::string &name, Body project, Body bare)
{
    Pair pair;
    pair.project = benchmark::RegisterBenchmark((name + ProjectSuffix).c_str(), std::move(project));
    pair.bare = benchmark::RegisterBenchmark((name + BareSuffix).c_str(), std::move(bare));
    return pair;
}
}
