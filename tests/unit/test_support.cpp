#include "test_support.h"

#include <GL/glut.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

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
        state = 1;
    }
    return state == 1;
}

std::string ScratchDir(const std::string& name) {
    std::string dir = std::string(PIB_TEST_OUTPUT_DIR) + "/" + name;
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
