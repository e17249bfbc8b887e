// Small builders for the Bunny's pose-table targets, so rows read as the
// joints they move rather than as field numbers.
#pragma once

#include <vector>

#include "figures/bunny_record.h"
#include "figures/pose_table.h"

inline std::vector<PoseTarget> BodyAt(float x, float y, float z) {
    return {{kBodyPosX, x}, {kBodyPosY, y}, {kBodyPosZ, z}};
}
inline std::vector<PoseTarget> BodyAngle(float x, float y, float z) {
    return {{kBodyAngleX, x}, {kBodyAngleY, y}, {kBodyAngleZ, z}};
}
inline std::vector<PoseTarget> HeadAt(float x, float y, float z) {
    return {{kHeadPosX, x}, {kHeadPosY, y}, {kHeadPosZ, z}};
}
inline std::vector<PoseTarget> HeadAngle(float x, float y, float z) {
    return {{kHeadAngleX, x}, {kHeadAngleY, y}, {kHeadAngleZ, z}};
}
// A field of each side: left l, right r.
inline std::vector<PoseTarget> Sides(int field, float l, float r) {
    return {{field, l}, {Right(field), r}};
}
// Both sides alike: an arm joint's Y and Z, a leg joint's X and Z.
inline std::vector<PoseTarget> BothYZ(int yField, float y, float z) {
    return {{Both(yField), y}, {Both(yField + 1), z}};
}
inline std::vector<PoseTarget> BothXZ(int xField, float x, float z) {
    return {{Both(xField), x}, {Both(xField + 2), z}};
}
