#pragma once

#include <cstdio>
#include <map>
#include <string>

namespace bench {

// Runs a helper process and reads the "name value" lines it prints; empty when it failed or
// printed no "peak_kb".
inline std::map<std::string, double> helperFigures(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::map<std::string, double> figures;
    char name[64];
    double value = 0;
    while (std::fscanf(pipe, "%63s %lf", name, &value) == 2)
        figures[name] = value;
    const int status = pclose(pipe);
    return status == 0 && figures["peak_kb"] > 0 ? figures : std::map<std::string, double>();
}

} // namespace bench
