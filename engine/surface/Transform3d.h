#pragma once

#include <array>

#include "surface/Vector3d.h"

namespace zorv {

// A 4×4 transformation m[row][column] acting on row vectors: the image of p = (x, y, z) is
//     (x, y, z, 1) · m   (the last column is not used: there is no perspective).
// A product A × B applies A first, then B. The rotations turn by θ with c = cos θ, s = sin θ:
//     about X:  m[1][1] = c, m[1][2] = s, m[2][1] = -s, m[2][2] = c
//     about Z:  m[0][0] = c, m[0][1] = s, m[1][0] = -s, m[1][1] = c
class Transform3d {
public:
    using Matrix = std::array<std::array<double, 4>, 4>;

    // The identity.
    Transform3d();
    explicit Transform3d(const Matrix& m) : m_(m) {}

    static Transform3d Identity() { return Transform3d(); }
    static Transform3d Scale(double k);
    static Transform3d RotationX(double angle);
    static Transform3d RotationZ(double angle);
    // The same rotations from a (sine, cosine) pair, without an angle.
    static Transform3d RotationX(double sine, double cosine);
    static Transform3d RotationZ(double sine, double cosine);

    // C[i][j] = Σ_k this[i][k] · b[k][j]
    Transform3d operator*(const Transform3d& b) const;
    Vector3d Apply(const Vector3d& p) const;

    double At(int row, int column) const { return m_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]; }
    const Matrix& Entries() const { return m_; }

private:
    Matrix m_;
};

}  // namespace zorv
