// Shared by the fuzz targets: feeding bytes to readers that take file names,
// and catching the program's fatal exit so one malformed input does not end
// the fuzzing run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to a scratch file of this process and returns its path.
std::string WriteFuzzInput(const uint8_t* data, size_t size, const char* suffix);

// Runs body; a fatal exit inside it returns instead of ending the process.
// Returns the exit code, or -1 when body returned normally.
int RunCatchingExit(void (*body)(const char* path), const char* path);
