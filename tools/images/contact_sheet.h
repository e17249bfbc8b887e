// One PNG with every picture, each labelled with its file name, for review.
#pragma once
#include <string>
#include <vector>

#include "canvas.h"
#include "sgi_writer.h"

struct NamedPicture {
    std::string name;
    SgiPicture picture;
};

// Returns false when the file cannot be written.
bool WriteContactSheet(const std::string& path, const std::vector<NamedPicture>& pictures);

// An RGB PNG of the canvas (alpha dropped); false when it cannot be written.
bool WritePng(const std::string& path, const Canvas& c);
