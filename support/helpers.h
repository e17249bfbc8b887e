// Small free functions shared by every subsystem.
#pragma once

double DegToRad(double deg);

// Allocation that ends the program when memory runs out: it never returns null.
void* CheckedAlloc(int size);

// Hands the pages of freed memory back to the system. The renderer takes and
// frees megabytes of short-lived blocks every frame, and the allocator keeps
// the pages of freed blocks that do not lie at the top of its heap: without
// this the resident size creeps up toward the busiest frames ever drawn.
void ReleaseFreeMemory();

// The one random generator of the game.
void SeedRandom();
void SeedRandomWith(unsigned seed);  // for tests and benchmarks
// For test programs: every SeedRandom from then on seeds with this instead of
// the wall clock's second, so no answer rests on the time of day.
void HoldRandomSeed(unsigned seed);
double RandomInRange(double lo, double hi);

void SetPibColor(int p);
// Player p's colour with the given alpha.
void SetPibColorAlpha(int p, double alpha);
void SetPibColor0(double alpha);
void SetPibColor1(double alpha);
void SetPibColor2(double alpha);
void SetPibColor3(double alpha);

int MaxInt(int a, int b);
int ClampInt(int v, int lo, int hi);
double AbsDouble(double v);

void ComputeTriangleNormal(const float* p0, const float* p1, const float* p2, float* out);
void ComputeTriangleCross(const float* p0, const float* p1, const float* p2, float* out);
void NormalizeVec3(float* v);
// out = a b, 4x4 matrices in GL's column-major order; out may not be a or b.
void MultiplyMatrices(const float* a, const float* b, float* out);
// The cofactors of the upper 3x3 of a 4x4 matrix (column-major), row by row
// (out[row * 3 + column]); returns that 3x3's determinant.
float UpperCofactors(const float* m, float* out);

void DrawBox(float w, float h, float d);
// Face 0 to 5 of that box as DrawBox and DrawTexturedBox send it: its normal,
// fixed whichever way the sizes run, and its corners with texture
// coordinates (repeat: sx, sy, sz, or null for none).
struct BoxCorner {
    float p[3], st[2];
};
void GetBoxFace(int face, float w, float h, float d, const float* repeat, float* normal, BoxCorner* corner);
void DrawTexturedBox(float w, float h, float d, float sx, float sy, float sz);

// Every fatal error ends the program here. A fuzzer or a test may install a
// handler that does not return normally (it throws or jumps); with none, the
// process exits with the code.
[[noreturn]] void ExitProgram(int code);
void SetExitHandler(void (*handler)(int code));
