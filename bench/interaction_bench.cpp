// The interaction kernels side by side in one run, in nanoseconds per pair evaluation
// (n * (n - 1) per frame), with the limit that the divider sets: three divisions per pair.
#include "interaction.h"
#include "random_source.h"
#include "simulation.h"

#include <benchmark/benchmark.h>
#include <immintrin.h>

#include <vector>

namespace {

struct Frame {
    std::vector<float> position;
    std::vector<float> charge;
    std::vector<float> push, arrow;
    explicit Frame(int count) {
        Simulation sim;
        sim.numberAdjust(count);
        for (int frame = 0; frame < 100; ++frame) {
            sim.step();
        }
        for (const QVSphere& s : sim.sphereArray) {
            position.insert(position.end(), {s.x(), s.y(), s.z()});
            charge.push_back(static_cast<float>(s.electricCharge()));
        }
        push.resize(position.size());
        arrow.resize(position.size());
    }
};

void runKernel(benchmark::State& state, InteractionFunction kernel) {
    Frame frame(static_cast<int>(state.range(0)));
    const std::size_t n = frame.charge.size();
    const InteractionInput in{reinterpret_cast<const float(*)[3]>(frame.position.data()),
                              frame.charge.data(), n, 10.0f, 5.0f};
    const InteractionOutput out{reinterpret_cast<float(*)[3]>(frame.push.data()),
                                reinterpret_cast<float(*)[3]>(frame.arrow.data())};
    for (auto _ : state) {
        kernel(in, out);
        benchmark::DoNotOptimize(frame.push.data());
        benchmark::ClobberMemory();
    }
    const double pairs = static_cast<double>(n) * static_cast<double>(n - 1);
    state.counters["ns_per_pair"] = benchmark::Counter(
        pairs * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Three independent 8-lane divisions per 8 pairs: how fast a kernel bound by its divisions
// alone could go on this processor.
__attribute__((target("avx2"))) void dividerLimit(benchmark::State& state) {
    const long pairs = 300 * 299 / 32 * 32;
    const __m256 b = _mm256_set1_ps(1.0000001f);
    // Twelve independent chains, so the divider's throughput, not its latency, sets the pace.
    __m256 q[12];
    for (int k = 0; k < 12; ++k) {
        q[k] = _mm256_set1_ps(1.5f + static_cast<float>(k));
    }
    for (auto _ : state) {
        for (long p = 0; p < pairs; p += 32) {  // 4 blocks of 8 lanes, 3 divisions each
            for (int k = 0; k < 12; ++k) {
                q[k] = _mm256_div_ps(q[k], b);
            }
        }
        for (int k = 0; k < 12; ++k) {
            benchmark::DoNotOptimize(q[k]);
        }
    }
    state.counters["ns_per_pair"] = benchmark::Counter(
        static_cast<double>(pairs) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void registerAll() {
    for (const InteractionKernel& kernel : interactionKernels()) {
        benchmark::RegisterBenchmark((std::string("interaction/") + kernel.name).c_str(),
                                     [run = kernel.run](benchmark::State& state) {
                                         runKernel(state, run);
                                     })
            ->Arg(2)
            ->Arg(100)
            ->Arg(300);
    }
    if (__builtin_cpu_supports("avx2")) {
        benchmark::RegisterBenchmark("divider_limit/avx2_3_divisions_per_pair", dividerLimit);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
