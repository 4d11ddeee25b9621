// demo_file.h -- a demo's file read whole, within a limit, before the game starts.
#pragma once

#include <cstddef>
#include <string>

// The most a demo file may hold: a 13-minute game records about 1 MB.
constexpr std::size_t kMaxDemoBytes = std::size_t{16} << 20;

// Reads the file at `path` into `content`, reading no more than one byte past
// kMaxDemoBytes, so that a file that never ends (/dev/zero) is refused too.
// Empty, or what to tell the player: it cannot be read, or it is too large.
std::string ReadDemoFile(const std::string& path, std::string& content);
