// matrix_math.h -- the 4 x 4 matrices behind the web GL's glRotatef, gluPerspective and gluLookAt.
#pragma once

namespace webgl {

// Column-major, as OpenGL lays a matrix out: row r, column c at m[c * 4 + r].
// Double precision, as GLU computes; the shader receives it rounded to float.
struct Matrix {
    double m[16];
};

Matrix Identity();

// a * b: a vertex meets b first, as with glMultMatrix(b) after a was current.
Matrix Multiply(const Matrix& a, const Matrix& b);

// The rotation by `degrees` about the axis (x, y, z), which need not be of unit length.
Matrix Rotation(double degrees, double x, double y, double z);

// A vertical field of view of `fovyDegrees` between the two clipping planes.
Matrix Perspective(double fovyDegrees, double aspect, double zNear, double zFar);

// The eye at `eye` looking at `centre`, `up` pointing up on the screen.
Matrix LookAt(const double eye[3], const double centre[3], const double up[3]);

}  // namespace webgl
