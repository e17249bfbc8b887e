// Fixed figure geometry built on the CPU as one run of triangles. Each shape
// is placed by the builder's own matrix, so a display list made from a mesh
// holds a single primitive however many spheres, boxes and prisms it has:
// the software renderer pays per primitive far more than per triangle.
#pragma once

#include <vector>

class TriangleMesh {
public:
    TriangleMesh();

    // The placement of what follows, as glTranslate, glScale and glRotate would.
    void Translate(float x, float y, float z);
    void Scale(float x, float y, float z);
    void Rotate(float degrees, float x, float y, float z);
    void Push();
    void Pop();

    // A sphere about the origin, poles on z, in the tessellation of the GLUT
    // and GLU spheres; with texture coordinates as GLU gives them.
    void Sphere(float radius, int slices, int stacks, bool textured = false);
    // A cone or cylinder along +z from radius base at z = 0 to top at height,
    // as gluCylinder.
    void Cylinder(float base, float top, float height, int slices, int stacks);
    // DrawBox's box: from (0, 0, 0) to (w, h, -d).
    void Box(float w, float h, float d);

    // Prisms over an outline of points (a, b), extruded along c from c0 to c1;
    // along z, (a, b, c) is (x, y, z); along x it is (z, y, x).
    enum class Axis { kZ, kX };
    // Side faces of edges first to first + count - 1 (edge i runs from point i
    // to point i + 1, the last back to point 0), each with its outward normal
    // whichever way the outline runs; textured, s runs along c and t along the edge.
    void PrismSides(const float (*outline)[2], int points, int first, int count, float c0, float c1,
                    Axis axis = Axis::kZ, bool textured = false);
    // A convex piece of a prism's end at c, facing +c (facing 1) or -c (-1).
    void PrismCap(const float (*outline)[2], const int* piece, int corners, float c, int facing,
                  Axis axis = Axis::kZ);
    // A whole prism over a convex outline along z.
    void ConvexPrism(const float (*outline)[2], int points, float c0, float c1);
    // A triangle with its apex at the origin and its base from (-w/2, l) to
    // (w/2, l), extruded from z = 0 to z = t.
    void Wedge(float w, float l, float t);

    // A flat quad (corners in order) with its own normal and, when given,
    // texture coordinates per corner.
    void Quad(const float (*corner)[3], const float* normal, const float (*st)[2] = nullptr);

    // Sends the triangles (with texture coordinates when any shape had them).
    void Emit() const;
    int VertexCount() const { return int(vertices_.size()); }

private:
    struct Vertex {
        float p[3], n[3], st[2];
    };
    void Add(const float* p, const float* n, const float* st);

    std::vector<float> matrix_;  // column-major 4x4, as GL keeps it
    std::vector<std::vector<float>> stack_;
    std::vector<Vertex> vertices_;
    bool textured_ = false;
};
