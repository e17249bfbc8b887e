// Shared by the unit tests.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Runs a statement in a child process with its standard output sent to
// standard error, so that death tests can match what the game prints on
// either stream.
#define EXPECT_EXIT_WITH_OUTPUT(statement, code, regex)                         \
    EXPECT_EXIT(                                                                \
        {                                                                       \
            ::testing::internal::CaptureStdout();                               \
            fflush(stdout);                                                     \
            dup2(2, 1);                                                         \
            statement;                                                          \
        },                                                                      \
        ::testing::ExitedWithCode(code), regex)

// Makes a GL context once per test process (a hidden GLUT window on the
// virtual display); false when there is no display.
bool EnsureGlContext();
// Makes the GL context if need be, clears any error an earlier test left and
// puts back the state a new context starts with, in what the game's drawing
// reads: a drawing test starts from here, whatever ran before it in the same
// process. False when there is no display.
bool StartFromGlDefaults();

// Starts the sound as the game does (the device opened once per test
// process), then loads the samples from the working folder.
void StartTestSound();

// A fresh scratch folder under the build's test output, or under the folder
// PIB_TEST_OUTPUT names.
std::string ScratchDir(const std::string& name);

// Writes text to a file; returns its path.
std::string WriteTextFile(const std::string& dir, const std::string& name,
                          const std::string& text);

// A rectangle of the GL back buffer as RGB, bottom row first.
struct ReadBack {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* At(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};
ReadBack ReadBackBuffer(int x, int y, int width, int height);
// Pixels of two same-sized pictures whose colours differ by more than
// channelSlack in some channel.
int CountPixelsOff(const ReadBack& a, const ReadBack& b, int channelSlack = 40);
// Writes it as a PNG, top row first; false when the file cannot be written.
bool SavePng(const ReadBack& shot, const std::string& path);
// Reads a PNG that SavePng wrote back into the same layout; false when the
// file is missing or not a PNG.
bool LoadPng(const std::string& path, ReadBack* shot);
// How far a channel may be off in a kept picture: a figure placed on the CPU
// rather than by GL's matrices is lit 1 or 2 levels apart; a visible change
// (light a tenth darker, a part in another colour) moves far more.
const int kKeptSlack = 2;
// Saves the picture among the test output and holds it against the one kept
// as tests/fixtures/<fixture>.png: at most offAllowed pixels may be off by
// more than kKeptSlack. With PIB_WRITE_FIXTURES set it keeps this one
// instead.
void ExpectAsKept(const ReadBack& shot, const std::string& fixture, int offAllowed);
// A viewport from (x, y) and a perspective of that shape, the modelview
// matrix reset.
void PerspectiveView(int x, int y, int width, int height, double fovy, double zFar);
// The viewport from the origin, an orthographic square from (left, bottom)
// span wide, and light 0 from that way (the modelview matrix reset), diffuse
// only, over that ambient light: lighting, depth test and texturing on, the
// buffers cleared.
void LitSquareView(int size, float left, float bottom, float span, const float* lightFrom, float ambient,
                   float diffuse);
// Runs fn with dir as the working folder, then reads back the file it wrote
// there ("" when there is none).
std::string WriteInDirAndRead(const std::string& dir, const std::string& file, void (*fn)(void*),
                              void* arg);
// This process's resident size in kB, as the system counts it: what the
// renderer holds as well as the game.
long ResidentKb();
// Memory read at the start, the middle and the end of a run of like steps:
// how much it grew over the half that grew less. What every step leaves
// grows both halves alike, while the renderer now and then takes another
// block for its own stores once, at a step that depends on all the process
// drew before; such a step lands in one half only.
long SmallerHalfGrowth(long start, long middle, long end);
// Runs round 36 times, each drawn to the end, and prints how much the
// resident size grew over each half of the last 30 (the first six let the
// renderer's pools settle), pass or fail; twice the smaller half may grow by
// less than boundKb. Read after empty frames with freed pages handed back,
// the growth of rounds that leave nothing behind is a few hundred kB, while
// a 256 by 256 texture kept every round (341 kB) adds about 10 MB.
void ExpectRoundsKeepTheResidentSizeFlat(const std::function<void()>& round, long boundKb);
// AddressSanitizer keeps freed memory in quarantine, so the resident size
// grows under it whatever the program does; its own leak check covers that
// build.
#if defined(__SANITIZE_ADDRESS__)
#define SKIP_UNDER_ADDRESS_SANITIZER() GTEST_SKIP() << "freed memory is held in quarantine"
#else
#define SKIP_UNDER_ADDRESS_SANITIZER() (void)0
#endif
