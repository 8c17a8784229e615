// The peak resident memory of this process so far (VmHWM), in kB, for the memory figures of
// the benchmarks (each measured in a fresh child process).
#pragma once

#include <cstdio>

inline long PeakKbOfThisProcess() {
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = 0;
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld", &kb) == 1) break;
    if (status) std::fclose(status);
    return kb;
}
