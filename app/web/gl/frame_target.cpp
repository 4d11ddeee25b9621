// frame_target.cpp -- an off-screen frame with the game's depth precision, copied to the canvas.
#include "app/web/gl/frame_target.h"

#include <webgl/webgl1.h>

#include "app/web/gl/webgl_draw.h"

namespace webgl {
namespace {

constexpr const char* kCopyVertexShader = R"(
attribute vec2 aCorner;
varying vec2 vAt;
void main() {
    gl_Position = vec4(aCorner, 0.0, 1.0);
    vAt = aCorner * 0.5 + 0.5;
}
)";

constexpr const char* kCopyFragmentShader = R"(
precision mediump float;
uniform sampler2D uFrame;
varying vec2 vAt;
void main() {
    gl_FragColor = texture2D(uFrame, vAt);
}
)";

// One triangle over the whole screen.
constexpr float kCorners[6] = {-1, -1, 3, -1, -1, 3};

struct Target {
    int width = 0;
    int height = 0;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
    GLuint program = 0;
    GLuint corners = 0;
};

Target target;

void MakeColourTexture() {
    emscripten_glGenTextures(1, &target.colour);
    emscripten_glBindTexture(GL_TEXTURE_2D, target.colour);
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, target.width, target.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                            nullptr);
    // Nearest, and one texel a pixel: the copy changes nothing.
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    emscripten_glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace

bool OpenFrameTarget(int width, int height) {
    target = Target{};
    target.width = width;
    target.height = height;
    MakeColourTexture();
    emscripten_glGenRenderbuffers(1, &target.depth);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    emscripten_glGenFramebuffers(1, &target.framebuffer);
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    emscripten_glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target.colour, 0);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
    if (emscripten_glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        return false;
    }
    target.program = MakeProgram(kCopyVertexShader, kCopyFragmentShader, {"aCorner"});
    emscripten_glGenBuffers(1, &target.corners);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, target.corners);
    emscripten_glBufferData(GL_ARRAY_BUFFER, sizeof kCorners, kCorners, GL_STATIC_DRAW);
    return target.program != 0;
}

void CloseFrameTarget() {
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, 0);
    emscripten_glDeleteFramebuffers(1, &target.framebuffer);
    emscripten_glDeleteRenderbuffers(1, &target.depth);
    emscripten_glDeleteTextures(1, &target.colour);
    emscripten_glDeleteBuffers(1, &target.corners);
    emscripten_glDeleteProgram(target.program);
    target = Target{};
}

void ShowFrame() {
    if (target.framebuffer == 0) {
        return;
    }
    GLint texture = 0;
    GLint viewport[4] = {0, 0, 0, 0};
    emscripten_glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    emscripten_glGetIntegerv(GL_VIEWPORT, viewport);
    const GLboolean blend = emscripten_glIsEnabled(GL_BLEND);
    const GLboolean depthTest = emscripten_glIsEnabled(GL_DEPTH_TEST);

    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, 0);
    emscripten_glViewport(0, 0, target.width, target.height);
    emscripten_glDisable(GL_BLEND);
    emscripten_glDisable(GL_DEPTH_TEST);
    emscripten_glUseProgram(target.program);
    emscripten_glBindTexture(GL_TEXTURE_2D, target.colour);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, target.corners);
    emscripten_glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    // The game's colour and texture coordinate streams are not the copy's.
    emscripten_glDisableVertexAttribArray(1);
    emscripten_glDisableVertexAttribArray(2);
    emscripten_glDrawArrays(GL_TRIANGLES, 0, 3);

    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    emscripten_glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    blend ? emscripten_glEnable(GL_BLEND) : emscripten_glDisable(GL_BLEND);
    depthTest ? emscripten_glEnable(GL_DEPTH_TEST) : emscripten_glDisable(GL_DEPTH_TEST);
    emscripten_glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    ResumeDrawing();
}

}  // namespace webgl
