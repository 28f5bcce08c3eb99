// brellum-sim: the window's simulation without the window, for numbers rather than pictures.
#include "sim_options.h"
#include "simulation.h"

#include <chrono>
#include <cstdio>

namespace {

void printCsvRows(const Simulation& sim, long long frame) {
    for (std::size_t i = 0; i < sim.sphereArray.size(); ++i) {
        const QVSphere& s = sim.sphereArray[i];
        std::printf("%lld,%zu,%.9g,%.9g,%.9g,%.9g,%.9g,%.9g,%d\n", frame, i, double{s.x()},
                    double{s.y()}, double{s.z()}, double{s.px()}, double{s.py()}, double{s.pz()},
                    s.electricCharge());
    }
}

void printHexRows(const Simulation& sim) {
    for (std::size_t i = 0; i < sim.sphereArray.size(); ++i) {
        const QVSphere& s = sim.sphereArray[i];
        std::printf("%zu %a %a %a %a %a %a %d\n", i, double{s.x()}, double{s.y()}, double{s.z()},
                    double{s.px()}, double{s.py()}, double{s.pz()}, s.electricCharge());
    }
}

void runBench(Simulation& sim, long long frames) {
    const auto start = std::chrono::steady_clock::now();
    for (long long frame = 0; frame < frames; ++frame) {
        sim.step();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double spheres = static_cast<double>(sim.sphereArray.size());
    const double pairs = spheres * (spheres - 1) * static_cast<double>(frames);
    std::printf("frames=%lld spheres=%d seconds=%.6f frames_per_s=%.1f ns_per_pair=%.3f\n", frames,
                sim.numberOfSpheres, seconds, seconds > 0 ? static_cast<double>(frames) / seconds : 0.0,
                pairs > 0 ? seconds * 1e9 / pairs : 0.0);
}

void runAndPrint(Simulation& sim, const SimOptions& options) {
    if (options.format == SimOptions::Format::csv) {
        std::printf("frame,sphere,x,y,z,px,py,pz,charge\n");
    }
    for (long long frame = 1; frame <= options.frames; ++frame) {
        sim.step();
        const bool periodic = options.every > 0 && frame % options.every == 0;
        if (periodic && frame != options.frames && options.format == SimOptions::Format::csv) {
            printCsvRows(sim, frame);
        }
    }
    if (options.format == SimOptions::Format::csv) {
        printCsvRows(sim, options.frames);
    } else {
        printHexRows(sim);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<SimOptions> options = parseSimOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "brellum-sim: %s\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(simUsage, stdout);
        return 0;
    }
    // Start exactly as the window does, then set the count the way its control does.
    Simulation sim;
    if (!options->kernel.empty()) {
        const InteractionKernel* chosen = nullptr;
        for (const InteractionKernel& k : interactionKernels()) {
            if (options->kernel == k.name) {
                chosen = &k;
            }
        }
        if (chosen == nullptr) {
            std::fprintf(stderr, "brellum-sim: --kernel %s is not supported by this processor\n",
                         options->kernel.c_str());
            return 2;
        }
        sim.kernel = chosen->run;
    }
    sim.numberAdjust(options->spheres);
    sim.fieldAdjuster = options->strength;
    sim.arrowLengthener = options->arrow;
    if (options->bench) {
        runBench(sim, options->frames);
    } else {
        runAndPrint(sim, *options);
    }
    return 0;
}
