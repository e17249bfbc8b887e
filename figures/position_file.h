// The text files a figure's pose fields are written to, one "label: value"
// line per field and an empty line between groups.
#pragma once

#include <cstdio>
#include <string>

class PositionFile {
public:
    // Says so on standard error when the file cannot be made; the lines are
    // then dropped.
    explicit PositionFile(const char* name);
    ~PositionFile();
    PositionFile(const PositionFile&) = delete;
    PositionFile& operator=(const PositionFile&) = delete;

    // Starts a group: an empty line before every group but the first.
    void Group();
    void Line(const std::string& label, float value);
    // "<prefix> <quantity>" for count consecutive fields.
    void Lines(const std::string& prefix, const char* const* quantities, int count,
               const float* fields);
    // "Left <part> <quantity>" then "Right <part> <quantity>": the right
    // side's fields lie stride floats after the left's.
    void SidedLines(const std::string& part, const char* const* quantities, int count,
                    const float* leftFields, int stride);

private:
    FILE* file_;
    bool started_ = false;
};

// The quantities of an angle group, of an angle-and-position group.
extern const char* const kAngleXyz[3];
extern const char* const kAngleAndPosition[6];
