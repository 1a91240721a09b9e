#include "surface/Transform3d.h"

#include <cmath>

namespace zorv {

Transform3d::Transform3d() : m_{} {
    for (std::size_t i = 0; i < 4; ++i) m_[i][i] = 1.0;
}

Transform3d Transform3d::Scale(double k) {
    Transform3d t;
    t.m_[0][0] = t.m_[1][1] = t.m_[2][2] = k;
    return t;
}

Transform3d Transform3d::RotationX(double angle) { return RotationX(std::sin(angle), std::cos(angle)); }
Transform3d Transform3d::RotationZ(double angle) { return RotationZ(std::sin(angle), std::cos(angle)); }

Transform3d Transform3d::RotationX(double sine, double cosine) {
    Transform3d t;
    t.m_[1][1] = cosine;
    t.m_[1][2] = sine;
    t.m_[2][1] = -sine;
    t.m_[2][2] = cosine;
    return t;
}

Transform3d Transform3d::RotationZ(double sine, double cosine) {
    Transform3d t;
    t.m_[0][0] = cosine;
    t.m_[0][1] = sine;
    t.m_[1][0] = -sine;
    t.m_[1][1] = cosine;
    return t;
}

Transform3d Transform3d::operator*(const Transform3d& b) const {
    Matrix c{};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t k = 0; k < 4; ++k) c[i][j] += m_[i][k] * b.m_[k][j];
    return Transform3d(c);
}

Vector3d Transform3d::Apply(const Vector3d& p) const {
    const auto column = [&](std::size_t j) { return p.x * m_[0][j] + p.y * m_[1][j] + p.z * m_[2][j] + m_[3][j]; };
    return {column(0), column(1), column(2)};
}

}  // namespace zorv
