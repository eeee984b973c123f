#include "media/MediaPlayer.h"

namespace lexiglade {

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer() {
    reportingPlay_ = 0;
    device_.Unload();
}

MediaPlayer::Settings MediaPlayer::TakeSettings(bool notify, bool wait) {
    const Settings settings{notify_.value_or(notify), wait_.value_or(wait)};
    notify_.reset();
    wait_.reset();
    return settings;
}

bool MediaPlayer::Send(PlayerCommand command, const Settings& settings) {
    const bool refused = command != PlayerCommand::Open && !open_;
    if (OnCommand) {
        OnCommand({command, settings.notify, settings.wait, refused});
    }
    return !refused;
}

void MediaPlayer::Report(NotifyResult result) {
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            NotifyValue = result;
            if (OnNotify) {
                OnNotify();
            }
        },
        Qt::QueuedConnection);
}

void MediaPlayer::CutOffPlay() {
    if (reportingPlay_ != 0) {
        reportingPlay_ = 0;
        Report(NotifyResult::Aborted);
    }
}

void MediaPlayer::Open() {
    if (open_) {
        Close();
    }
    const Settings settings = TakeSettings(false, true);
    Send(PlayerCommand::Open, settings);
    open_ = device_.Load(FileName);
    if (open_ && settings.notify) {
        Report(NotifyResult::Successful);
    }
}

void MediaPlayer::Play() {
    const Settings settings = TakeSettings(true, false);
    if (!Send(PlayerCommand::Play, settings)) {
        return;
    }
    CutOffPlay();
    if (settings.wait) {
        const bool played = device_.PlayAndWait();
        if (settings.notify) {
            Report(played ? NotifyResult::Successful : NotifyResult::Failure);
        }
        return;
    }
    if (!settings.notify) {
        device_.Play(nullptr);
        return;
    }
    const std::uint64_t play = ++plays_;
    reportingPlay_ = play;
    device_.Play([this, play] {
        if (reportingPlay_ == play) {
            reportingPlay_ = 0;
            Report(NotifyResult::Successful);
        }
    });
}

void MediaPlayer::Stop() {
    const Settings settings = TakeSettings(false, true);
    if (!Send(PlayerCommand::Stop, settings)) {
        return;
    }
    CutOffPlay();
    device_.Halt();
    if (settings.notify) {
        Report(NotifyResult::Successful);
    }
}

void MediaPlayer::Close() {
    const Settings settings = TakeSettings(false, true);
    if (!Send(PlayerCommand::Close, settings)) {
        return;
    }
    CutOffPlay();
    device_.Unload();
    open_ = false;
    if (settings.notify) {
        Report(NotifyResult::Successful);
    }
}

} // namespace lexiglade
