#pragma once
#include <string>
#include <vector>

#include "core/files/file_result.hpp"

namespace tavir::cli {

// Exit statuses of the companion.
constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kBadCommandLine = 2;

// A file refused or not written: the window's message, with the system's reason when there
// is one, on standard error; returns kRefused.
int refuse(const FileFailure& failure);

int runAnalyse(const std::vector<std::string>& args);
int runRender(const std::vector<std::string>& args);
int runEval(const std::vector<std::string>& args);
int runKeys(const std::vector<std::string>& args);
int runSeries(const std::vector<std::string>& args);
int runRtf(const std::vector<std::string>& args);
int runExercise(const std::vector<std::string>& args);

}  // namespace tavir::cli
