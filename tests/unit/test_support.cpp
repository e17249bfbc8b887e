#include "test_support.h"

#include <GL/glut.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "sound/sound.h"
#include "support/helpers.h"

namespace {
// A death test's child is this program run afresh for that one test, not a
// fork: a fork keeps only the calling thread, and once a GL context is made
// the renderer's threads are missing in the child, which then dies by a
// signal on its way out; its closing also breaks the parent's X connection.
class ThreadsafeDeathTests : public ::testing::Environment {
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};
::testing::Environment* const kThreadsafeDeathTests =
    ::testing::AddGlobalTestEnvironment(new ThreadsafeDeathTests);
}  // namespace

bool EnsureGlContext() {
    static int state = 0;  // 0 untried, 1 ready, -1 no display
    if (state == 0) {
        if (!std::getenv("DISPLAY")) {
            state = -1;
            return false;
        }
        int argc = 1;
        char name[] = "pib_tests";
        char* argv[] = {name, nullptr};
        glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGBA);
        glutInit(&argc, argv);
        glutInitWindowSize(600, 450);
        glutCreateWindow("pib_tests");
        glPushAttrib(GL_ALL_ATTRIB_BITS);  // as a new context starts, for StartFromGlDefaults
        state = 1;
    }
    return state == 1;
}

bool StartFromGlDefaults() {
    if (!EnsureGlContext()) return false;
    while (glGetError() != GL_NO_ERROR) {
    }
    // The bottom of the attribute stack holds the new context's state; a
    // push an earlier test left unpopped goes first.
    GLint depth = 0;
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &depth);
    for (; depth > 0; --depth) glPopAttrib();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    for (GLenum m : {GL_PROJECTION, GL_TEXTURE, GL_MODELVIEW}) {
        glMatrixMode(m);
        glLoadIdentity();
    }
    return true;
}

void StartTestSound() {
    StartSoundDevice();
    LoadSounds();
}

std::string ScratchDir(const std::string& name) {
    // Whole runs side by side each get folders of their own.
    const char* out = std::getenv("PIB_TEST_OUTPUT");
    std::string dir = std::string(out && *out ? out : PIB_TEST_OUTPUT_DIR) + "/" + name;
    std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "'";
    if (std::system(cmd.c_str()) != 0) ADD_FAILURE() << "cannot make " << dir;
    return dir;
}

std::string WriteTextFile(const std::string& dir, const std::string& name,
                          const std::string& text) {
    std::string path = dir + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        ADD_FAILURE() << "cannot write " << path;
        return path;
    }
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

ReadBack ReadBackBuffer(int x, int y, int width, int height) {
    ReadBack shot;
    shot.width = width;
    shot.height = height;
    shot.rgb.resize(size_t(width) * height * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, shot.rgb.data());
    return shot;
}

int CountPixelsOff(const ReadBack& a, const ReadBack& b, int channelSlack) {
    int n = 0;
    for (size_t k = 0; k + 2 < a.rgb.size() && k + 2 < b.rgb.size(); k += 3) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(a.rgb[k + c] - b.rgb[k + c]));
        n += worst > channelSlack;
    }
    return n;
}

bool SavePng(const ReadBack& shot, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = shot.width;
    image.height = shot.height;
    image.format = PNG_FORMAT_RGB;
    // A negative stride writes the bottom-first rows top first.
    return png_image_write_to_file(&image, path.c_str(), 0, shot.rgb.data(), -shot.width * 3,
                                   nullptr) != 0;
}

void ExpectAsKept(const ReadBack& shot, const std::string& fixture, int offAllowed) {
    SCOPED_TRACE(fixture);
    std::string name = fixture.substr(fixture.rfind('/') + 1);
    const std::string kept = std::string(PIB_FIXTURES_DIR) + "/" + fixture + ".png";
    EXPECT_TRUE(SavePng(shot, ScratchDir("kept_" + name) + "/" + name + ".png"));
    if (std::getenv("PIB_WRITE_FIXTURES")) {
        EXPECT_TRUE(SavePng(shot, kept));
        return;
    }
    ReadBack old;
    ASSERT_TRUE(LoadPng(kept, &old)) << kept;
    ASSERT_EQ(old.width, shot.width);
    ASSERT_EQ(old.height, shot.height);
    EXPECT_LE(CountPixelsOff(shot, old, kKeptSlack), offAllowed);
}

void PerspectiveView(int x, int y, int width, int height, double fovy, double zFar) {
    glViewport(x, y, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovy, double(width) / height, 0.1, zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void LitSquareView(int size, float left, float bottom, float span, const float* lightFrom, float ambient,
                   float diffuse) {
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, left + span, bottom, bottom + span, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float light[4] = {lightFrom[0], lightFrom[1], lightFrom[2], 0}, none[4] = {0, 0, 0, 1},
                around[4] = {ambient, ambient, ambient, 1}, direct[4] = {diffuse, diffuse, diffuse, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glLightfv(GL_LIGHT0, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, direct);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, around);
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST, GL_TEXTURE_2D}) glEnable(cap);
    glClearColor(0.15f, 0.15f, 0.2f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

bool LoadPng(const std::string& path, ReadBack* shot) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    shot->width = int(image.width);
    shot->height = int(image.height);
    shot->rgb.resize(PNG_IMAGE_SIZE(image));
    // The same negative stride as SavePng: the bottom row comes first again.
    return png_image_finish_read(&image, nullptr, shot->rgb.data(), -shot->width * 3, nullptr) != 0;
}

std::string WriteInDirAndRead(const std::string& dir, const std::string& file, void (*fn)(void*),
                              void* arg) {
    char here[4096];
    if (!getcwd(here, sizeof here) || chdir(dir.c_str()) != 0) {
        ADD_FAILURE() << "cannot work in " << dir;
        return "";
    }
    fn(arg);
    if (chdir(here) != 0) ADD_FAILURE() << "cannot return to " << here;
    std::ifstream in(dir + "/" + file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long ResidentKb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Read after two empty frames, with the allocator's free pages handed back,
// as the game's idle does: the renderer holds a frame's geometry until the
// next, and glibc keeps what the busiest frame freed; both are noise here.
long SettledResidentKb() {
    for (int n = 0; n < 2; ++n) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    }
    glFinish();
    ReleaseFreeMemory();
    return ResidentKb();
}

long SmallerHalfGrowth(long start, long middle, long end) {
    return std::min(middle - start, end - middle);
}

// Read after the sixth round, the 21st and the last (once the whole test
// program has run a few times over, one viewing took half a megabyte in a
// single step).
void ExpectRoundsKeepTheResidentSizeFlat(const std::function<void()>& round, long boundKb) {
    long start = 0, middle = 0;
    for (int n = 0; n < 36; ++n) {
        round();
        if (n == 5) start = SettledResidentKb();
        if (n == 20) middle = SettledResidentKb();
    }
    long end = SettledResidentKb();
    long grew = 2 * SmallerHalfGrowth(start, middle, end);
    std::printf("resident size grew %ld then %ld kB over the last 30 rounds\n", middle - start, end - middle);
    EXPECT_LT(grew, boundKb) << "kB, twice the smaller half of the last 30 rounds";
}
