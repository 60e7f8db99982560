#version 120

// Petal-shaped red, green and blue bands around a centre point, twisting with distance and
// drifting with time, over a slowly pulsing grey. tools/effect_reference.py computes the same
// formulas on the CPU; keep the two in step.

#define M_PI 3.1415926535897932384626433832795

uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;

// A per-channel hook that currently adds a constant 1.0 to every channel's value.
float vx(float x, float y, float a)
{
    return 1.0;
}

void main()
{
    float t = iTime * 0.5;
    float ratio = viewportWidth / viewportHeight;
    // Both axes in units of half the viewport height, so a wider window shows more, unstretched.
    vec2 uv = gl_FragCoord.xy / viewportHeight * 2.0 - vec2(ratio, 0.925);
    float r = length(uv);
    float a = atan(uv.x, uv.y) / M_PI / 2.0 + sin(r + t) * 0.1;
    float b = 0.85 + sin(t * 0.25) * 0.15;

    float red = r - 0.1 * sin(r * M_PI * 2.0 + t * 4.0) - 0.1 * sin(a * M_PI * 22.0 + t * 4.0)
        + 0.4 * sin(a * M_PI * 12.0 + t) - 1.5 + vx(uv.x * 150.0, uv.y * 150.0, 0.12);
    float green = r - 0.1 * sin(r * M_PI * 3.0 + t * 5.0) - 0.1 * sin(a * M_PI * 26.0 + t * 5.0)
        - 0.4 * sin(a * M_PI * 8.0 - t) - 1.5 + vx(uv.x * 150.0, uv.y * 150.0, 0.34);
    float blue = r - 0.1 * sin(r * M_PI * 2.0 + t * 8.0) - 0.1 * sin(a * M_PI * 24.0 + t * 6.0)
        - 0.4 * sin(a * M_PI * 10.0) - 1.5 + vx(uv.x * 150.0, uv.y * 150.0, 0.69);

    gl_FragColor = vec4(b, b, b, 1.0) - abs(vec4(red, green, blue, 0.0));
}
//~
