#pragma once
// Runs a command line through the shell and collects its exit status, standard output and
// standard error: the way a user or a script sees a tool.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ProcessResult runCommand(const std::string& commandLine) {
    char errPath[] = "/tmp/brellum-test-stderr-XXXXXX";
    const int fd = mkstemp(errPath);
    close(fd);
    ProcessResult result;
    FILE* pipe = popen((commandLine + " 2>" + errPath).c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 65536> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::ifstream errFile(errPath);
    std::stringstream errText;
    errText << errFile.rdbuf();
    result.err = errText.str();
    unlink(errPath);
    return result;
}

inline std::size_t countLines(const std::string& text) {
    std::size_t lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    return lines;
}
