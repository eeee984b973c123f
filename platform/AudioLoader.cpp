#include "platform/AudioLoader.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace lexiglade {

namespace {

LoadedMusic LoadMidi(const std::string& path) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr) {
        return {nullptr, SDL_GetError()};
    }
    Mix_Music* music = Mix_LoadMUSType_RW(file, MUS_MID, SDL_TRUE);
    return {music, music == nullptr ? Mix_GetError() : ""};
}

void Free(LoadedMusic& result) {
    if (result.music != nullptr) {
        Mix_FreeMusic(result.music);
        result.music = nullptr;
    }
}

} // namespace

AudioLoader::AudioLoader() : thread_([this] { Run(); }) {}

AudioLoader::~AudioLoader() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    thread_.join();
    for (auto& [id, result] : done_) {
        Free(result);
    }
}

void AudioLoader::Request(std::uint64_t id, std::string path, std::function<void()> ready) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({id, std::move(path), std::move(ready)});
    }
    changed_.notify_all();
}

bool AudioLoader::Known(std::uint64_t id) const {
    return current_ == id || done_.contains(id) ||
           std::any_of(queue_.begin(), queue_.end(), [id](const Job& job) { return job.id == id; });
}

std::optional<LoadedMusic> AudioLoader::Take(std::uint64_t id, bool wait) {
    std::unique_lock lock(mutex_);
    if (wait) {
        changed_.wait(lock, [&] { return done_.contains(id) || !Known(id); });
    }
    const auto found = done_.find(id);
    if (found == done_.end()) {
        return std::nullopt;
    }
    LoadedMusic result = found->second;
    done_.erase(found);
    return result;
}

void AudioLoader::Cancel(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    std::erase_if(queue_, [id](const Job& job) { return job.id == id; });
    if (current_ == id) {
        cancelled_.insert(id);
    }
    const auto found = done_.find(id);
    if (found != done_.end()) {
        Free(found->second);
        done_.erase(found);
    }
}

void AudioLoader::Run() {
    Serve();
    SDL_TLSCleanup(); // the error texts SDL keeps for this thread
}

void AudioLoader::Serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) {
            return;
        }
        Job job = std::move(queue_.front());
        queue_.pop_front();
        current_ = job.id;
        lock.unlock();
        LoadedMusic result = LoadMidi(job.path);
        lock.lock();
        current_ = 0;
        if (cancelled_.erase(job.id) > 0 || stopping_) {
            Free(result);
            changed_.notify_all();
            continue;
        }
        done_[job.id] = result;
        changed_.notify_all();
        lock.unlock();
        job.ready();
        lock.lock();
    }
}

} // namespace lexiglade
