#version 140

// Passes the full-viewport rectangle through: the picture is made by the fragment shader alone.
in vec4 position;
in vec2 position_tex;
in vec3 position_normal;

varying vec2 fs_tex;

// Set every frame by the drawable; the rectangle is already in clip space, so they stay unused.
uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;

void main()
{
    gl_Position = position;
    fs_tex = position_tex;
}
//~
