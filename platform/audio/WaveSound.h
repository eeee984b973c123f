#pragma once
// A sound effect, read once from its wave file and kept for as long as it lives; it plays on the
// audio output's one effect channel, and its backend shows nowhere here. A file that cannot be
// read or is no wave file leaves one warning in lexiglade.audio and a sound that plays nothing.
#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade {

class WaveSound {
  public:
    explicit WaveSound(std::string path);
    WaveSound(const WaveSound&) = delete;
    WaveSound& operator=(const WaveSound&) = delete;

    bool IsValid() const { return valid_; }
    const std::string& Path() const { return path_; }
    // Plays without waiting, cutting off the effect before it; nothing without an output.
    void Play() const;

  private:
    std::string path_;
    std::vector<std::uint8_t> bytes_; // the file, decoded once for each output it plays on
    bool valid_ = false;
    std::uint64_t id_;
};

} // namespace lexiglade
