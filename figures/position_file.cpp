#include "figures/position_file.h"

const char* const kAngleXyz[3] = {"angle X", "angle Y", "angle Z"};
const char* const kAngleAndPosition[6] = {"angle X",    "angle Y",    "angle Z",
                                          "position X", "position Y", "position Z"};

PositionFile::PositionFile(const char* name) : file_(std::fopen(name, "w")) {
    if (!file_) std::fprintf(stderr, "cannot write %s\n", name);
}

PositionFile::~PositionFile() {
    if (file_) std::fclose(file_);
}

void PositionFile::Group() {
    if (file_ && started_) std::fputc('\n', file_);
    started_ = true;
}

void PositionFile::Line(const std::string& label, float value) {
    if (file_) std::fprintf(file_, "%s: %g\n", label.c_str(), double(value));
}

void PositionFile::Lines(const std::string& prefix, const char* const* quantities, int count,
                         const float* fields) {
    for (int i = 0; i < count; ++i) Line(prefix + " " + quantities[i], fields[i]);
}

void PositionFile::SidedLines(const std::string& part, const char* const* quantities, int count,
                              const float* leftFields, int stride) {
    Group();
    Lines("Left " + part, quantities, count, leftFields);
    Lines("Right " + part, quantities, count, leftFields + stride);
}
