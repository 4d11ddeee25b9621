// matrix_math.cpp -- matrix products and the three transforms the game asks for.
#include "app/web/gl/matrix_math.h"

#include <cmath>

namespace webgl {
namespace {

constexpr double kPi = 3.14159265358979323846;

double& At(Matrix& a, int row, int column) {
    return a.m[column * 4 + row];
}

// A zero vector stays zero: the game's very first step looks from the eye at
// the eye itself, and a NaN matrix would be worse than an empty picture.
void Normalise(double v[3]) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length != 0.0) {
        v[0] /= length;
        v[1] /= length;
        v[2] /= length;
    }
}

void Cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

Matrix Identity() {
    Matrix a{};
    for (int i = 0; i < 4; ++i) {
        At(a, i, i) = 1.0;
    }
    return a;
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix out{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[k * 4 + row] * b.m[column * 4 + k];
            }
            At(out, row, column) = sum;
        }
    }
    return out;
}

Matrix Rotation(double degrees, double x, double y, double z) {
    double axis[3] = {x, y, z};
    Normalise(axis);
    const double angle = degrees * kPi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double t = 1.0 - c;
    x = axis[0];
    y = axis[1];
    z = axis[2];
    Matrix r = Identity();
    At(r, 0, 0) = x * x * t + c;
    At(r, 0, 1) = x * y * t - z * s;
    At(r, 0, 2) = x * z * t + y * s;
    At(r, 1, 0) = y * x * t + z * s;
    At(r, 1, 1) = y * y * t + c;
    At(r, 1, 2) = y * z * t - x * s;
    At(r, 2, 0) = z * x * t - y * s;
    At(r, 2, 1) = z * y * t + x * s;
    At(r, 2, 2) = z * z * t + c;
    return r;
}

Matrix Perspective(double fovyDegrees, double aspect, double zNear, double zFar) {
    const double f = 1.0 / std::tan(fovyDegrees * kPi / 360.0);
    Matrix p{};
    At(p, 0, 0) = f / aspect;
    At(p, 1, 1) = f;
    At(p, 2, 2) = (zFar + zNear) / (zNear - zFar);
    At(p, 2, 3) = 2.0 * zFar * zNear / (zNear - zFar);
    At(p, 3, 2) = -1.0;
    return p;
}

Matrix LookAt(const double eye[3], const double centre[3], const double up[3]) {
    double forward[3] = {centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]};
    Normalise(forward);
    double side[3];
    Cross(forward, up, side);
    Normalise(side);
    double upward[3];
    Cross(side, forward, upward);
    Matrix look = Identity();
    for (int column = 0; column < 3; ++column) {
        At(look, 0, column) = side[column];
        At(look, 1, column) = upward[column];
        At(look, 2, column) = -forward[column];
    }
    Matrix move = Identity();
    At(move, 0, 3) = -eye[0];
    At(move, 1, 3) = -eye[1];
    At(move, 2, 3) = -eye[2];
    return Multiply(look, move);
}

}  // namespace webgl
