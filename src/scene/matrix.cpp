#include "scene/matrix.h"

Mat4 operator*(const Mat4 &a, const Mat4 &b) {
    Mat4 result;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a[k][row] * b[column][k];
            result[column][row] = sum;
        }
    return result;
}
