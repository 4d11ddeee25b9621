// webgl_draw.cpp -- the shader and the vertex stream that draw the game's triangles in WebGL.
#include "app/web/gl/webgl_draw.h"

#include <webgl/webgl1.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

namespace webgl {
namespace {

// The fixed function the game uses: smooth colour, modulated by a texture.
constexpr const char* kVertexShader = R"(
attribute vec3 aPosition;
attribute vec4 aColour;
attribute vec2 aTexCoord;
uniform mat4 uTransform;
varying vec4 vColour;
varying vec2 vTexCoord;
void main() {
    gl_Position = uTransform * vec4(aPosition, 1.0);
    vColour = aColour;
    vTexCoord = aTexCoord;
}
)";

constexpr const char* kFragmentShader = R"(
precision mediump float;
uniform sampler2D uTexture;
uniform bool uTextured;
varying vec4 vColour;
varying vec2 vTexCoord;
void main() {
    gl_FragColor = uTextured ? vColour * texture2D(uTexture, vTexCoord) : vColour;
}
)";

enum Attribute : GLuint { kPosition, kColour, kTexCoord };

struct Drawing {
    GLuint program = 0;
    GLuint buffer = 0;
    GLint transformAt = -1;
    GLint texturedAt = -1;
    float transform[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    bool textured = false;
    std::vector<Vertex> waiting;
};

Drawing drawing;

GLuint Compile(GLenum kind, const char* source) {
    const GLuint shader = emscripten_glCreateShader(kind);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint ok = 0;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[512] = "";
        emscripten_glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "web GL: shader not compiled: %s\n", log);
        emscripten_glDeleteShader(shader);
        return 0;
    }
    return shader;
}

void Pointer(GLuint attribute, int size, std::size_t offset) {
    emscripten_glEnableVertexAttribArray(attribute);
    emscripten_glVertexAttribPointer(attribute, size, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                                     reinterpret_cast<const void*>(offset));
}

}  // namespace

unsigned MakeProgram(const char* vertexSource, const char* fragmentSource,
                     std::initializer_list<const char*> attributes) {
    const GLuint vertexShader = Compile(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragmentShader = Compile(GL_FRAGMENT_SHADER, fragmentSource);
    GLuint program = 0;
    if (vertexShader != 0 && fragmentShader != 0) {
        program = emscripten_glCreateProgram();
        emscripten_glAttachShader(program, vertexShader);
        emscripten_glAttachShader(program, fragmentShader);
        GLuint location = 0;
        for (const char* name : attributes) {
            emscripten_glBindAttribLocation(program, location++, name);
        }
        emscripten_glLinkProgram(program);
        GLint ok = 0;
        emscripten_glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (!ok) {
            std::fprintf(stderr, "web GL: shader program not linked\n");
            emscripten_glDeleteProgram(program);
            program = 0;
        }
    }
    emscripten_glDeleteShader(vertexShader);
    emscripten_glDeleteShader(fragmentShader);
    return program;
}

bool StartDrawing() {
    drawing = Drawing{};
    drawing.program = MakeProgram(kVertexShader, kFragmentShader, {"aPosition", "aColour", "aTexCoord"});
    if (drawing.program == 0) {
        return false;
    }
    // The canvas keeps one WebGL context for good; a new GL context starts so.
    emscripten_glDisable(GL_BLEND);
    emscripten_glDisable(GL_DEPTH_TEST);
    emscripten_glBlendFunc(GL_ONE, GL_ZERO);
    emscripten_glDepthFunc(GL_LESS);
    emscripten_glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    emscripten_glClearDepthf(1.0f);
    drawing.transformAt = emscripten_glGetUniformLocation(drawing.program, "uTransform");
    drawing.texturedAt = emscripten_glGetUniformLocation(drawing.program, "uTextured");
    emscripten_glUniform1i(emscripten_glGetUniformLocation(drawing.program, "uTexture"), 0);
    emscripten_glGenBuffers(1, &drawing.buffer);
    ResumeDrawing();
    return true;
}

void ResumeDrawing() {
    emscripten_glUseProgram(drawing.program);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, drawing.buffer);
    Pointer(kPosition, 3, offsetof(Vertex, x));
    Pointer(kColour, 4, offsetof(Vertex, r));
    Pointer(kTexCoord, 2, offsetof(Vertex, s));
}

void StopDrawing() {
    if (drawing.buffer != 0) {
        emscripten_glDeleteBuffers(1, &drawing.buffer);
    }
    if (drawing.program != 0) {
        emscripten_glDeleteProgram(drawing.program);
    }
    drawing = Drawing{};
}

void AddTriangles(const Vertex* vertices, int count) {
    drawing.waiting.insert(drawing.waiting.end(), vertices, vertices + count);
}

void Flush() {
    if (drawing.waiting.empty() || drawing.program == 0) {
        drawing.waiting.clear();
        return;
    }
    emscripten_glUniformMatrix4fv(drawing.transformAt, 1, GL_FALSE, drawing.transform);
    emscripten_glUniform1i(drawing.texturedAt, drawing.textured ? 1 : 0);
    emscripten_glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(drawing.waiting.size() * sizeof(Vertex)),
                            drawing.waiting.data(), GL_STREAM_DRAW);
    emscripten_glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(drawing.waiting.size()));
    drawing.waiting.clear();
}

void SetTransform(const float matrix[16]) {
    if (std::memcmp(matrix, drawing.transform, sizeof drawing.transform) != 0) {
        Flush();
        std::memcpy(drawing.transform, matrix, sizeof drawing.transform);
    }
}

void SetTexturing(bool textured) {
    if (textured != drawing.textured) {
        Flush();
        drawing.textured = textured;
    }
}

}  // namespace webgl
