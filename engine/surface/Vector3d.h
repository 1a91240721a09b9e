#pragma once

namespace zorv {

// A point or direction in 3-D space: add, subtract, scale, dot product, length and distance.
struct Vector3d {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    // The origin and the tips of the three axes of the surface picture (each axis is 2 long).
    static constexpr Vector3d Origin() { return {0.0, 0.0, 0.0}; }
    static constexpr Vector3d XTip() { return {2.0, 0.0, 0.0}; }
    static constexpr Vector3d YTip() { return {0.0, 2.0, 0.0}; }
    static constexpr Vector3d ZTip() { return {0.0, 0.0, 2.0}; }

    constexpr Vector3d operator+(const Vector3d& b) const { return {x + b.x, y + b.y, z + b.z}; }
    constexpr Vector3d operator-(const Vector3d& b) const { return {x - b.x, y - b.y, z - b.z}; }
    constexpr Vector3d operator*(double k) const { return {x * k, y * k, z * k}; }
    constexpr bool operator==(const Vector3d&) const = default;

    constexpr double Dot(const Vector3d& b) const { return x * b.x + y * b.y + z * b.z; }
    // sqrt(x² + y² + z²)
    double Length() const;
    // |a - b|
    double Distance(const Vector3d& b) const { return (*this - b).Length(); }
};

}  // namespace zorv
