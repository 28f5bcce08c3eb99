#pragma once
// Command line of brellum-sim: the simulation of the window, run without one.
#include <optional>
#include <string>

struct SimOptions {
    long long frames = 0;
    int spheres = 100;
    float strength = 10;  // fieldAdjuster
    float arrow = 5;      // arrowLengthener
    long long every = 0;  // 0: print after the last frame only
    enum class Format { csv, hex } format = Format::csv;
    std::string kernel;  // empty: the fastest
    bool bench = false;
    bool help = false;
};

extern const char* const simUsage;

// Parses argv; on bad input returns nothing and puts a one-line reason in `error`.
std::optional<SimOptions> parseSimOptions(int argc, char** argv, std::string& error);
