// gl_stream.h -- one frame's GL calls kept compactly, and the bare loop that replays them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace benchgl {

// The calls a frame can make; the set-up's texture uploads are never replayed.
enum class Op : std::uint32_t {
    Begin,
    End,
    Vertex3f,
    Color3f,
    Color4f,
    TexCoord2f,
    BindTexture,
    TexParameteri,
    Enable,
    Disable,
    BlendFunc,
    Clear,
    ClearColor,
    ClearDepth,
    DepthFunc,
    ShadeModel,
    Hint,
    LoadIdentity,
    MatrixMode,
    Rotatef,
    Viewport,
    Perspective,
    LookAt,
};

// An argument of 32 bits; a double takes two.
union Word {
    std::uint32_t u;
    std::int32_t i;
    float f;
};

inline Word U(std::uint32_t v) {
    Word w;
    w.u = v;
    return w;
}
inline Word I(std::int32_t v) {
    Word w;
    w.i = v;
    return w;
}
inline Word F(float v) {
    Word w;
    w.f = v;
    return w;
}

// Each call is its Op and then its arguments, doubles split in two words, so
// the replay reads the stream front to back like the frame made it.
class Stream {
public:
    void Clear() {
        words_.clear();
        calls_ = 0;
    }
    void Put(Op op, std::initializer_list<Word> args);
    void PutDoubles(Op op, std::initializer_list<double> args);
    std::size_t Calls() const { return calls_; }
    std::size_t Bytes() const { return words_.size() * sizeof(Word); }

    // Every call in order, straight into the real entry points.
    void Replay() const;

private:
    std::vector<Word> words_;
    std::size_t calls_ = 0;
};

}  // namespace benchgl
