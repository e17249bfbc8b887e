// Figure geometry put together on the CPU. The software renderer pays for
// every primitive sent far more than for its triangles, so a figure's parts
// are placed by matrices of our own and sent as one batch per texture.
#pragma once

#include <cstddef>
#include <vector>

// A matrix stack that works as glTranslate, glScale and glRotate would.
class Placement {
public:
    Placement();
    void Translate(float x, float y, float z);
    void Scale(float x, float y, float z);
    void Rotate(float degrees, float x, float y, float z);
    void Push();
    void Pop();
    void Reset();
    // Starts from m (column-major) instead of the identity, the stack emptied.
    void Load(const float* m);
    const float* Matrix() const { return matrix_; }  // column-major, as GL keeps it

    // Whether the matrix mirrors (its determinant is below 0).
    bool MirrorsWinding() const;
    // Its scale, for a matrix that scales alike along every axis: the cube
    // root of its determinant's size (1 for a matrix that flattens).
    float UniformScale() const;
    // Normals go through the cofactors of the upper 3x3 (the inverse
    // transpose up to a scale, with the sign kept for mirrors).
    void NormalMatrix(float* out) const;

private:
    void Multiply(const float* r);
    float matrix_[16];
    std::vector<float> stack_;
};

// One part's shape: indexed triangles with normals and, when any shape has
// them, texture coordinates.
class TriangleMesh : public Placement {
public:
    struct Vertex {
        float p[3], n[3], st[2];
    };

    // A sphere about the origin, poles on z, in the tessellation of the GLUT
    // and GLU spheres; with texture coordinates as GLU gives them. GLU cuts
    // each quad of a stack along one diagonal, GLUT along the other, and
    // where the shading runs fast the two differ.
    void Sphere(float radius, int slices, int stacks, bool textured = false, bool glutDiagonals = false);
    // A cone or cylinder along +z from radius base at z = 0 to top at height,
    // as gluCylinder.
    void Cylinder(float base, float top, float height, int slices, int stacks);
    // DrawBox's box: from (0, 0, 0) to (w, h, -d), every face turned outward
    // whichever way the sizes run.
    void Box(float w, float h, float d);
    // The box exactly as DrawBox and DrawTexturedBox send it: a negative size
    // turns the faces of that axis inward, as there. With repeat (sx, sy,
    // sz) its faces carry texture coordinates.
    void SentBox(float w, float h, float d, const float* repeat = nullptr);
    // The four sides of a square frustum around an axis (0 x, 1 y, 2 z) from
    // half-width h0 at a0 to h1 at a1, each with its normal turned outward;
    // st, when given, is every corner's texture coordinate.
    void FrustumSides(int axis, float a0, float h0, float a1, float h1, const float* st = nullptr);
    // A flat disk of that radius about the origin facing +z, its rim at
    // gluDisk's points; st, when given, for every point.
    void Disk(float radius, int slices, const float* st = nullptr);

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
    // A flat convex polygon, cut into a fan from its first corner as GL cuts
    // one (texture coordinates are interpolated across those triangles).
    // Wound to face facing when given (a face whose normal points elsewhere
    // still shows from the side it is seen from), else its normal.
    void Polygon(const float (*corner)[3], int corners, const float* normal, const float (*st)[2] = nullptr,
                 const float* facing = nullptr);

    // The same faces again turned inward, for a part seen from inside.
    void AddInsideFaces();
    // The same faces again wound the other way with the same normals: an
    // open surface seen from behind, lit as GL lights it with one-sided
    // lighting, where the faces turned away are left out.
    void AddBackFaces();

    const std::vector<Vertex>& Vertices() const { return vertices_; }
    const std::vector<unsigned>& Indices() const { return indices_; }
    bool Textured() const { return textured_; }
    // The box that holds every vertex, lowest and highest corner.
    const float* Low() const { return low_; }
    const float* High() const { return high_; }

private:
    unsigned Add(const float* p, const float* n, const float* st);
    // Wound to face facing (placed as a normal), or where its normals point.
    void Triangle(unsigned a, unsigned b, unsigned c, const float* facing = nullptr);

    std::vector<Vertex> vertices_;
    std::vector<unsigned> indices_;
    bool textured_ = false;
    float low_[3] = {0, 0, 0}, high_[3] = {0, 0, 0};
};

// The view a batch is about to be sent in: clip coordinates from the
// batch's own (the projection times the modelview it is sent at) and the
// viewport, both as GL holds them.
struct PixelView {
    float clip[16];  // column-major
    float viewport[4];
};
// The present projection and viewport, for a batch sent at the identity
// (its vertices in eye coordinates) or at the present modelview.
PixelView CurrentPixelView(bool eyeCoordinates);
// The present modelview matrix, as a figure put together in eye coordinates
// is placed from it.
Placement CurrentPlacement();

// A figure's parts, each placed by a matrix and lit in its own colour
// (carried by the vertices as the material), sent at once. A figure with
// several textures or blend states keeps one batch for each.
class FigureBatch : public Placement {
public:
    void Append(const TriangleMesh& part, float r, float g, float b);
    // The part placed by at, in colour rgba. Its normals come out of unit
    // length, as GL_NORMALIZE makes them, then times normalLength: what GL
    // without it would give for a scaled matrix.
    void Append(const TriangleMesh& part, const Placement& at, const float* rgba, float normalLength = 1);
    // A strip of lines through the points, lit with one normal; st, when
    // given, for every point.
    void AppendLineStrip(const Placement& at, const float (*points)[3], int count, const float* normal,
                         const float* st, const float* rgba);
    // Until the next Send, parts keep only their triangles that can make a
    // pixel in that view: none wholly outside it, none that holds no pixel's
    // centre and, when the batch is sent with the faces turned away culled,
    // none turned away. A figure far off is mostly triangles smaller than a
    // pixel, each of which costs the renderer as much as a large one; what
    // is left out would have drawn nothing.
    void KeepWhatShowsIn(const PixelView& view, bool backFacesCulled);
    bool Empty() const { return vertices_.empty(); }
    size_t TriangleCount() const;
    // Batches are sent between these two, at the current modelview matrix,
    // each vertex's colour the material of both faces or of the front faces
    // only.
    static void BeginSending(bool colourBothFaces);
    void Send();  // sends, then empties the batch and its placement
    static void EndSending();
    // Vertex by vertex instead of in one array: the same picture, a check
    // and a yardstick.
    void SendOneByOne(bool on) { oneByOne_ = on; }

private:
    struct BatchVertex {  // interleaved: one upload
        float p[3], n[3], st[2];
        unsigned char rgba[4];
    };
    // Triangles and lines go out in the order they came, a run of each kind
    // at a time: a blended lens's rim and temple cover what follows them.
    struct Run {
        bool lines;
        size_t first, count;  // in indices_
    };
    void Extend(bool lines, size_t first);
    void SendArrays() const;
    void SendVertices() const;
    void AppendShowing(const TriangleMesh& part, const Placement& at, const unsigned char* rgba,
                       float normalLength);
    void AppendVertex(const TriangleMesh::Vertex& v, const Placement& at, const float* normalMatrix,
                      const unsigned char* rgba, float normalLength);
    std::vector<BatchVertex> vertices_;
    std::vector<unsigned> indices_;
    std::vector<Run> runs_;
    bool textured_ = false;
    bool oneByOne_ = false;
    bool culling_ = false;  // a view is set
    bool backFacesCulled_ = false;
    PixelView view_;
};

// A part's shape, built once on first use.
const TriangleMesh& CachedShape(TriangleMesh*& slot, void (*build)(TriangleMesh& mesh));
