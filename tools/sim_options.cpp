#include "sim_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

const char* const simUsage =
    "usage: brellum-sim [--frames N] [--spheres N] [--strength F] [--arrow F] [--every K]\n"
    "                   [--format csv|hex] [--bench]\n"
    "Runs Brellum's simulation without a window and prints the spheres.\n"
    "  --frames N     frames to run, N >= 0 (default 0)\n"
    "  --spheres N    number of spheres, 1 to 300 (default 100)\n"
    "  --strength F   interaction strength, any finite number (default 10)\n"
    "  --arrow F      arrow scale, any finite number (default 5)\n"
    "  --every K      also print after every K-th frame, K >= 1\n"
    "  --format csv   one row per sphere: frame,sphere,x,y,z,px,py,pz,charge (default)\n"
    "  --format hex   index x y z px py pz charge, floats in C's %a, for exact comparisons\n"
    "  --bench        print only: frames= spheres= seconds= frames_per_s= ns_per_pair=\n"
    "  --kernel NAME  interaction kernel: reference, sse2, avx2 or avx512 (default: the\n"
    "                 widest this processor runs); all give the same numbers\n";

namespace {

bool parseWhole(const char* text, long long minimum, long long maximum, long long& value) {
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || parsed < minimum || parsed > maximum) {
        return false;
    }
    value = parsed;
    return true;
}

bool parseFinite(const char* text, float& value) {
    errno = 0;
    char* end = nullptr;
    const float parsed = std::strtof(text, &end);
    if (errno == ERANGE && std::isinf(parsed)) {
        return false;
    }
    if (end == text || *end != '\0' || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

std::optional<SimOptions> parseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (option == "--bench") {
            options.bench = true;
            continue;
        }
        const bool takesValue = option == "--frames" || option == "--spheres" ||
                                option == "--strength" || option == "--arrow" ||
                                option == "--every" || option == "--format" ||
                                option == "--kernel";
        if (!takesValue) {
            error = "unknown option '" + option + "' (try --help)";
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const char* value = argv[++i];
        long long whole = 0;
        bool ok = true;
        std::string expected;
        if (option == "--frames") {
            expected = "a whole number of frames, 0 or more";
            ok = parseWhole(value, 0, 1'000'000'000'000LL, whole);
            options.frames = whole;
        } else if (option == "--spheres") {
            expected = "a whole number from 1 to 300";
            ok = parseWhole(value, 1, 300, whole);
            options.spheres = static_cast<int>(whole);
        } else if (option == "--every") {
            expected = "a whole number of frames, 1 or more";
            ok = parseWhole(value, 1, 1'000'000'000'000LL, whole);
            options.every = whole;
        } else if (option == "--strength") {
            expected = "a finite number";
            ok = parseFinite(value, options.strength);
        } else if (option == "--arrow") {
            expected = "a finite number";
            ok = parseFinite(value, options.arrow);
        } else if (option == "--kernel") {
            expected = "one of reference, sse2, avx2, avx512";
            options.kernel = value;
            ok = options.kernel == "reference" || options.kernel == "sse2" ||
                 options.kernel == "avx2" || options.kernel == "avx512";
        } else {
            expected = "csv or hex";
            ok = std::strcmp(value, "csv") == 0 || std::strcmp(value, "hex") == 0;
            options.format = std::strcmp(value, "hex") == 0 ? SimOptions::Format::hex
                                                            : SimOptions::Format::csv;
        }
        if (!ok) {
            error = option + " expects " + expected + ", got '" + value + "'";
            return std::nullopt;
        }
    }
    return options;
}
