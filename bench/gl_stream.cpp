// gl_stream.cpp -- storing a frame's calls, and the bare replay loop.
#include "bench/gl_stream.h"

#include <cstring>

#include "bench/real_gl.h"

namespace benchgl {

void Stream::Put(Op op, std::initializer_list<Word> args) {
    words_.push_back(U(static_cast<std::uint32_t>(op)));
    words_.insert(words_.end(), args);
    ++calls_;
}

void Stream::PutDoubles(Op op, std::initializer_list<double> args) {
    words_.push_back(U(static_cast<std::uint32_t>(op)));
    for (double d : args) {
        Word two[2];
        std::memcpy(two, &d, sizeof d);
        words_.insert(words_.end(), two, two + 2);
    }
    ++calls_;
}

namespace {

double D(const Word* p) {
    double d;
    std::memcpy(&d, p, sizeof d);
    return d;
}

}  // namespace

void Stream::Replay() const {
    const RealGl& r = real;
    const Word* p = words_.data();
    const Word* const end = p + words_.size();
    while (p < end) {
        switch (static_cast<Op>((p++)->u)) {
            case Op::Begin:
                r.Begin(p[0].u), p += 1;
                break;
            case Op::End:
                r.End();
                break;
            case Op::Vertex3f:
                r.Vertex3f(p[0].f, p[1].f, p[2].f), p += 3;
                break;
            case Op::Color3f:
                r.Color3f(p[0].f, p[1].f, p[2].f), p += 3;
                break;
            case Op::Color4f:
                r.Color4f(p[0].f, p[1].f, p[2].f, p[3].f), p += 4;
                break;
            case Op::TexCoord2f:
                r.TexCoord2f(p[0].f, p[1].f), p += 2;
                break;
            case Op::BindTexture:
                r.BindTexture(p[0].u, p[1].u), p += 2;
                break;
            case Op::TexParameteri:
                r.TexParameteri(p[0].u, p[1].u, p[2].i), p += 3;
                break;
            case Op::Enable:
                r.Enable(p[0].u), p += 1;
                break;
            case Op::Disable:
                r.Disable(p[0].u), p += 1;
                break;
            case Op::BlendFunc:
                r.BlendFunc(p[0].u, p[1].u), p += 2;
                break;
            case Op::Clear:
                r.Clear(p[0].u), p += 1;
                break;
            case Op::ClearColor:
                r.ClearColor(p[0].f, p[1].f, p[2].f, p[3].f), p += 4;
                break;
            case Op::ClearDepth:
                r.ClearDepth(D(p)), p += 2;
                break;
            case Op::DepthFunc:
                r.DepthFunc(p[0].u), p += 1;
                break;
            case Op::ShadeModel:
                r.ShadeModel(p[0].u), p += 1;
                break;
            case Op::Hint:
                r.Hint(p[0].u, p[1].u), p += 2;
                break;
            case Op::LoadIdentity:
                r.LoadIdentity();
                break;
            case Op::MatrixMode:
                r.MatrixMode(p[0].u), p += 1;
                break;
            case Op::Rotatef:
                r.Rotatef(p[0].f, p[1].f, p[2].f, p[3].f), p += 4;
                break;
            case Op::Viewport:
                r.Viewport(p[0].i, p[1].i, p[2].i, p[3].i), p += 4;
                break;
            case Op::Perspective:
                r.Perspective(D(p), D(p + 2), D(p + 4), D(p + 6)), p += 8;
                break;
            case Op::LookAt:
                r.LookAt(D(p), D(p + 2), D(p + 4), D(p + 6), D(p + 8), D(p + 10), D(p + 12), D(p + 14), D(p + 16)),
                    p += 18;
                break;
        }
    }
}

}  // namespace benchgl
