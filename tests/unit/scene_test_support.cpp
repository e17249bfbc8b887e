#include "scene_test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#ifdef PIB_MAKE_IMAGES
#include "contact_sheet.h"
#endif

std::ostream& operator<<(std::ostream& os, const LoggedCue& c) {
    return os << "{" << c.frame << ", " << c.file << ", " << c.action << "}";
}

void TakeCues(std::vector<SoundCueRecord>* records, std::vector<LoggedCue>* log, int frame) {
    for (const SoundCueRecord& r : *records) log->push_back({frame, r.file, r.action});
    records->clear();
}

double SaveFrame(const std::string& dir, const std::string& name) {
    std::vector<unsigned char> rgb(size_t(kShotW) * kShotH * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kShotW, kShotH, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
#ifdef PIB_MAKE_IMAGES
    Canvas c = MakeCanvas(kShotW, kShotH, Grey(0));
    for (size_t i = 0; i < c.texels.size(); ++i)
        c.texels[i] = Colour(rgb[3 * i] / 255.0f, rgb[3 * i + 1] / 255.0f, rgb[3 * i + 2] / 255.0f);
    EXPECT_TRUE(WritePng(dir + "/" + name + ".png", c));
#else
    (void)dir;
    (void)name;
#endif
    double sum = 0;
    for (unsigned char v : rgb) sum += v;
    return sum / double(rgb.size());
}

int CountGlTextures() {
    GLuint probe = 0;
    glGenTextures(1, &probe);
    glDeleteTextures(1, &probe);
    int n = 0;
    for (GLuint name = 1; name < probe + 64; ++name) n += glIsTexture(name) ? 1 : 0;
    return n;
}

int CountGlLists() {
    GLuint probe = glGenLists(1);
    glDeleteLists(probe, 1);
    int n = 0;
    for (GLuint name = 1; name < probe + 64; ++name) n += glIsList(name) ? 1 : 0;
    return n;
}
