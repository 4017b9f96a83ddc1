// This process's memory as the system counts it, for the benchmarks that
// measure what a deed holds: a field of /proc/self/status in KiB, "VmRSS"
// (resident now) or "VmHWM" (its high-water mark); 0 when it cannot be read.
#pragma once

#include <cstdio>
#include <string>

inline long status_kib(const char* field)
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kib = 0;
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, (std::string(field) + ": %ld").c_str(), &kib) == 1)
            break;
    if (status)
        std::fclose(status);
    return kib;
}
