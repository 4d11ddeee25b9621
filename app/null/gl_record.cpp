// gl_record.cpp -- the recording OpenGL and GLU entry points.
#include "app/null/gl_record.h"

#include <algorithm>
#include <cstdint>

namespace glrec {
namespace {

// The capabilities enabled, in place: a frame that only counts takes nothing
// from the heap, like the game it stands under. GL 1.1 has about sixty.
class Caps {
public:
    bool Has(GLenum cap) const { return std::find(caps_, caps_ + count_, cap) != caps_ + count_; }
    void Add(GLenum cap) {
        if (!Has(cap) && count_ < kMax) {
            caps_[count_++] = cap;
        }
    }
    void Remove(GLenum cap) {
        GLenum* const end = std::remove(caps_, caps_ + count_, cap);
        count_ = int(end - caps_);
    }

private:
    static constexpr int kMax = 128;
    GLenum caps_[kMax];
    int count_ = 0;
};

struct State {
    Detail detail = Detail::Full;
    Recording rec;
    bool inBatch = false;
    float color[4] = {1, 1, 1, 1};
    float texCoord[2] = {0, 0};
    GLuint boundTexture = 0;
    GLuint nextTexture = 1;
    Caps enabled;
    Batch batch;
};

// At namespace scope rather than in St(): a function-local static would be
// checked for its construction on every one of a frame's thirty thousand calls.
State state;

inline State& St() {
    return state;
}

// Kept out of line, so that an entry point that only counts stays a few
// instructions with a small frame: under AddressSanitizer, whose checks grow
// with the frame, it is most of what a counted game step costs.
[[gnu::noinline]] void Keep(const char* name, std::initializer_list<double> args) {
    state.rec.calls.push_back(Call{name, std::vector<double>(args)});
}

[[gnu::noinline]] void KeepVertex(float x, float y, float z) {
    state.batch.vertices.push_back(Vertex{x, y, z, state.color[0], state.color[1], state.color[2], state.color[3],
                                          state.texCoord[0], state.texCoord[1], state.boundTexture,
                                          state.enabled.Has(GL_BLEND)});
}

// Every argument widened to double; nothing is kept while only counting,
// the simulator's and the soak's long runs.
template <typename... Args>
inline void Log(const char* name, Args... args) {
    if (state.detail != Detail::Counts) {
        Keep(name, {double(args)...});
    }
}

// FNV-1a over the pixels of each row, without the padding that rounds a row
// up to the default unpack alignment of 4, folded to 24 bits so that it
// prints whole with nine digits.
double PixelChecksum(GLint width, GLint height, const void* pixels) {
    if (pixels == nullptr || width <= 0 || height <= 0) {
        return 0;
    }
    const auto* bytes = static_cast<const unsigned char*>(pixels);
    const long rowBytes = (long(width) * 3 + 3) / 4 * 4;
    std::uint32_t hash = 2166136261u;
    for (long y = 0; y < height; ++y) {
        for (long i = 0; i < long(width) * 3; ++i) {
            hash = (hash ^ bytes[y * rowBytes + i]) * 16777619u;
        }
    }
    return double((hash >> 24 ^ hash) & 0xFFFFFFu);
}

}  // namespace

void Reset(Detail detail) {
    St() = State{};
    St().detail = detail;
}

void Clear() {
    St().rec = Recording{};
}

void SetDetail(Detail detail) {
    St().detail = detail;
}

const Recording& Get() {
    return St().rec;
}

std::vector<std::string> CallNames() {
    std::vector<std::string> names;
    for (const Call& c : St().rec.calls) {
        names.push_back(c.name);
    }
    return names;
}

std::vector<Call> CallsNamed(const std::string& name) {
    std::vector<Call> out;
    for (const Call& c : St().rec.calls) {
        if (c.name == name) {
            out.push_back(c);
        }
    }
    return out;
}

bool IsEnabled(GLenum cap) {
    return St().enabled.Has(cap);
}

GLuint BoundTexture() {
    return St().boundTexture;
}

GLuint TexturesGenerated() {
    return St().nextTexture - 1;
}

}  // namespace glrec

using glrec::Log;
using glrec::St;

extern "C" {

void APIENTRY glBegin(GLenum mode) {
    Log("glBegin", mode);
    St().inBatch = true;
    if (St().detail == glrec::Detail::Full) {
        St().batch = glrec::Batch{mode, {}};
    }
}

void APIENTRY glEnd() {
    Log("glEnd");
    auto& s = St();
    s.inBatch = false;
    ++s.rec.pairs;
    if (s.detail == glrec::Detail::Full) {
        s.rec.batches.push_back(std::move(s.batch));
        s.batch = glrec::Batch{};
    }
}

void APIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    auto& s = St();
    ++s.rec.vertices;
    Log("glVertex3f", x, y, z);
    if (s.detail == glrec::Detail::Full) {
        glrec::KeepVertex(x, y, z);
    }
}

void APIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    Log("glColor3f", r, g, b);
    auto& c = St().color;
    c[0] = r;
    c[1] = g;
    c[2] = b;
    c[3] = 1.0f;
}

void APIENTRY glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    Log("glColor4f", r, g, b, a);
    auto& c = St().color;
    c[0] = r;
    c[1] = g;
    c[2] = b;
    c[3] = a;
}

void APIENTRY glTexCoord2f(GLfloat s, GLfloat t) {
    Log("glTexCoord2f", s, t);
    St().texCoord[0] = s;
    St().texCoord[1] = t;
}

void APIENTRY glBindTexture(GLenum target, GLuint name) {
    Log("glBindTexture", double(target), double(name));
    if (target == GL_TEXTURE_2D) {
        St().boundTexture = name;
    }
}

void APIENTRY glGenTextures(GLsizei n, GLuint* names) {
    Log("glGenTextures", double(n));
    for (GLsizei i = 0; i < n; ++i) {
        names[i] = St().nextTexture++;
    }
}

void APIENTRY glDeleteTextures(GLsizei n, const GLuint*) {
    Log("glDeleteTextures", double(n));
}

void APIENTRY glTexParameteri(GLenum target, GLenum pname, GLint param) {
    Log("glTexParameteri", double(target), double(pname), double(param));
}

void APIENTRY glPixelStorei(GLenum pname, GLint param) {
    Log("glPixelStorei", double(pname), double(param));
}

void APIENTRY glEnable(GLenum cap) {
    Log("glEnable", double(cap));
    St().enabled.Add(cap);
}

void APIENTRY glDisable(GLenum cap) {
    Log("glDisable", double(cap));
    St().enabled.Remove(cap);
}

void APIENTRY glBlendFunc(GLenum sfactor, GLenum dfactor) {
    Log("glBlendFunc", double(sfactor), double(dfactor));
}

void APIENTRY glClear(GLbitfield mask) {
    Log("glClear", double(mask));
}

void APIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    Log("glClearColor", r, g, b, a);
}

void APIENTRY glClearDepth(GLclampd depth) {
    Log("glClearDepth", depth);
}

void APIENTRY glDepthFunc(GLenum func) {
    Log("glDepthFunc", double(func));
}

void APIENTRY glShadeModel(GLenum mode) {
    Log("glShadeModel", double(mode));
}

void APIENTRY glHint(GLenum target, GLenum mode) {
    Log("glHint", double(target), double(mode));
}

void APIENTRY glLoadIdentity() {
    Log("glLoadIdentity");
}

void APIENTRY glMatrixMode(GLenum mode) {
    Log("glMatrixMode", double(mode));
}

void APIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    Log("glRotatef", angle, x, y, z);
}

void APIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    Log("glViewport", double(x), double(y), double(width), double(height));
}

void APIENTRY gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    Log("gluPerspective", fovy, aspect, zNear, zFar);
}

void APIENTRY gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
                        GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    Log("gluLookAt", eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ);
}

GLint APIENTRY gluBuild2DMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format, GLenum type,
                                 const void* pixels) {
    Log("gluBuild2DMipmaps", double(target), double(components), double(width), double(height), double(format),
        double(type), glrec::PixelChecksum(width, height, pixels));
    St().rec.mipmaps.push_back(glrec::TextureImage{St().boundTexture, width, height, format});
    return 0;
}

}  // extern "C"
