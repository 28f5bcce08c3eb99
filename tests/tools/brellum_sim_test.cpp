#include "../support/process_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

namespace {

ProcessResult sim(const std::string& args) { return runCommand(std::string(BRELLUM_SIM_PATH) + " " + args); }

TEST(BrellumSim, DefaultPrintsTheStartingSpheresAsCsv) {
    const ProcessResult r = sim("");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(countLines(r.out), 101u);
    std::istringstream lines(r.out);
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header, "frame,sphere,x,y,z,px,py,pz,charge");
    EXPECT_TRUE(std::regex_match(first, std::regex(R"(0,0,10,7,-44,0,0,0,-?[12])"))) << first;
}

TEST(BrellumSim, EveryKthFrameAndTheLast) {
    const ProcessResult r = sim("--frames 5 --every 2 --spheres 3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> frames;
    while (std::getline(lines, line)) {
        frames.push_back(line.substr(0, line.find(',')));
    }
    EXPECT_EQ(frames, (std::vector<std::string>{"2", "2", "2", "4", "4", "4", "5", "5", "5"}));
}

TEST(BrellumSim, LongRunAtTheLimitStaysFiniteInsideTheBox) {
    const ProcessResult r = sim("--frames 1000 --spheres 300 --format hex");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::size_t index = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::size_t sphere = 0;
        std::string value[6];
        int charge = 0;
        fields >> sphere >> value[0] >> value[1] >> value[2] >> value[3] >> value[4] >> value[5] >>
            charge;
        ASSERT_FALSE(fields.fail()) << line;
        EXPECT_EQ(sphere, index++);
        for (int k = 0; k < 6; ++k) {
            const double v = std::strtod(value[k].c_str(), nullptr);
            EXPECT_TRUE(std::isfinite(v)) << line;
            if (k < 3) {
                EXPECT_LE(std::fabs(v), 50.0) << line;
            }
        }
        EXPECT_TRUE(charge == -2 || charge == -1 || charge == 1 || charge == 2) << line;
    }
    EXPECT_EQ(index, 300u);
}

TEST(BrellumSim, SameRunSameNumbers) {
    const ProcessResult a = sim("--frames 200 --format hex --strength 25 --arrow 2");
    const ProcessResult b = sim("--frames 200 --format hex --strength 25 --arrow 2");
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(a.out, b.out);
    const ProcessResult weaker = sim("--frames 200 --format hex --strength 5 --arrow 2");
    EXPECT_NE(a.out, weaker.out);
}

TEST(BrellumSim, EveryKernelGivesTheSameRunBitForBit) {
    const std::string run = "--frames 10000 --spheres 300 --format hex --kernel ";
    const ProcessResult reference = sim(run + "reference");
    ASSERT_EQ(reference.exitCode, 0) << reference.err;
    EXPECT_EQ(countLines(reference.out), 300u);
    const ProcessResult fastest = sim("--frames 10000 --spheres 300 --format hex");
    EXPECT_EQ(fastest.out, reference.out);
    for (const char* kernel : {"sse2", "avx2", "avx512"}) {
        const ProcessResult other = sim(run + kernel);
        if (other.exitCode == 0) {  // a kernel this processor lacks is refused
            EXPECT_EQ(other.out, reference.out) << kernel;
        }
    }
}

TEST(BrellumSim, BenchPrintsOneSummaryLine) {
    const ProcessResult r = sim("--bench --frames 10 --spheres 50");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::regex_match(
        r.out, std::regex(R"(frames=10 spheres=50 seconds=[0-9.]+ frames_per_s=[0-9.]+ ns_per_pair=[0-9.]+\n)")))
        << r.out;
}

TEST(BrellumSim, HelpPrintsUsage) {
    const ProcessResult r = sim("--help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("usage: brellum-sim"), std::string::npos);
}

TEST(BrellumSim, BadInputIsRefusedWithOneLineNamingTheOption) {
    struct Case {
        const char* args;
        const char* mentions;
    };
    const Case cases[] = {
        {"--frames -1", "--frames"},     {"--frames abc", "--frames"},
        {"--frames 12x", "--frames"},    {"--frames", "--frames"},
        {"--spheres 0", "1 to 300"},     {"--spheres 301", "1 to 300"},
        {"--spheres 2.5", "--spheres"},  {"--strength nan", "finite"},
        {"--strength inf", "finite"},    {"--arrow 1e99", "finite"},
        {"--every 0", "--every"},        {"--format xml", "csv or hex"},
        {"--bogus", "--bogus"},          {"--frames 5 extra", "extra"},
        {"--kernel scalar", "--kernel"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = sim(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(countLines(r.err), 1u) << c.args << ": " << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << c.args << ": " << r.err;
    }
}

} // namespace
