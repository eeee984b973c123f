#pragma once
// Loads music tracks on a thread of its own, so that the user-interface thread never waits for
// the synthesiser to read its soundfont; it is the only thread that loads. Internal to the
// platform's audio.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>

struct _Mix_Music;

namespace lexiglade {

struct LoadedMusic {
    _Mix_Music* music = nullptr; // null when loading failed
    std::string error;
};

class AudioLoader {
  public:
    AudioLoader();
    // Waits for the load in progress; every result not taken is freed.
    ~AudioLoader();
    AudioLoader(const AudioLoader&) = delete;
    AudioLoader& operator=(const AudioLoader&) = delete;

    // Queues a MIDI file; `ready` runs on the loader thread once its result can be taken.
    void Request(std::uint64_t id, std::string path, std::function<void()> ready);
    // The result of `id`, waiting for it when `wait`; nothing when it is not there (yet).
    std::optional<LoadedMusic> Take(std::uint64_t id, bool wait);
    // Forgets `id`: a queued load is dropped, one in progress or finished is freed.
    void Cancel(std::uint64_t id);

  private:
    struct Job {
        std::uint64_t id;
        std::string path;
        std::function<void()> ready;
    };
    void Run();
    void Serve();
    bool Known(std::uint64_t id) const;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;
    std::map<std::uint64_t, LoadedMusic> done_;
    std::set<std::uint64_t> cancelled_;
    std::uint64_t current_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace lexiglade
